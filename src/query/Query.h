#pragma once

#include "db/BusData.h"
#include "query/QueryInput.h"
#include "query/QueryMode.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery {

// Answers whatever the traveller entered: checks the texts, picks the kind of query from the
// boxes that are filled, and writes the answer into the pane. The state persists between runs
// as the window's does: only the steps that set a member overwrite it.
class Query {
  public:
    explicit Query(BusData& data) : data_(data) {}

    // Throws DatabaseError when busdata cannot be used; the state then holds the copied texts.
    QueryMode run(const QueryInput& input, ResultPane& pane);

    const QueryState& state() const { return state_; }

  private:
    BusData& data_;
    QueryState state_;
};

}  // namespace busquery
