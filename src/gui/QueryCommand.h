#pragma once

#include "query/Query.h"

namespace busquery::ui {
class FrmMain;
}

namespace busquery::app {

// The query command: clears the suggestions away, runs the query with the busy pointer, shows
// how long it took, and tells the traveller what an empty or failed query came to. Where the
// window offers a departure time, a route search runs at it and a line lookup lists the
// departures of its day.
class QueryCommand {
  public:
    QueryCommand(ui::FrmMain& window, Query& query) : window_(window), query_(query) {}

    void RunQuery();

    const QueryState& state() const { return query_.state(); }

  private:
    QueryInput input() const;

    ui::FrmMain& window_;
    Query& query_;
};

}  // namespace busquery::app
