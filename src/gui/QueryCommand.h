#pragma once

#include "query/Query.h"

namespace busquery::ui {
class FrmMain;
}

namespace busquery::app {

// The query command: clears the suggestions away, runs the query with the busy pointer, shows
// how long it took, and tells the traveller what an empty or failed query came to.
class QueryCommand {
  public:
    QueryCommand(ui::FrmMain& window, BusData& data) : window_(window), query_(data) {}

    void RunQuery();

    const QueryState& state() const { return query_.state(); }

  private:
    QueryInput input() const;

    ui::FrmMain& window_;
    Query query_;
};

}  // namespace busquery::app
