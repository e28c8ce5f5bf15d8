#pragma once

#include <QString>
#include <optional>

#include "gui/Notifier.h"
#include "query/QueryInput.h"
#include "query/ResultPane.h"
#include "query/TimedRoute.h"

namespace busquery::gui {

// What the query command needs of the window, and all it may touch: the entered texts, the
// time a route search travels at, the suggestion lists to put away, the pane, the label of the
// query's duration and the traveller's attention.
class QueryView {
  public:
    virtual ~QueryView() = default;

    // The entry texts as the query reads them, with the picked suggestion line of List1.
    virtual QueryInput queryInput() const = 0;
    // The time a route search travels at, where the window offers one.
    virtual std::optional<RouteTime> routeTime() const = 0;
    // Hides every suggestion list and its prompt.
    virtual void hideSuggestions() = 0;
    virtual ResultPane& resultPane() = 0;
    // The duration of the last query, kept in its label, which stays hidden.
    virtual void showQueryTime(const QString& text) = 0;
    virtual void reportProblem(const QString& text) = 0;
    virtual void notify(const QString& text, Notice kind) = 0;
};

}  // namespace busquery::gui
