#pragma once

#include "gui/QueryView.h"
#include "query/Query.h"

namespace busquery::gui {

// The window's query command: clears the suggestions away, runs the query with the busy
// pointer, shows how long it took, and tells the traveller what an empty or failed query came
// to. Where the view offers a departure time, a route search runs at it and a line lookup lists
// the departures of its day. The outcome messages are in the interface language, as the query's
// answers are.
class QueryPresenter {
  public:
    QueryPresenter(QueryView& view, Query& query, Language language = Language::Chinese)
        : view_(view), query_(query), language_(language) {}

    void RunQuery();

    const QueryState& state() const { return query_.state(); }

  private:
    QueryView& view_;
    Query& query_;
    Language language_;
};

}  // namespace busquery::gui
