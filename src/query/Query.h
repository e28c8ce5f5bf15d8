#pragma once

#include "network/BusData.h"
#include "query/Answer.h"
#include "query/QueryInput.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery {

// Answers whatever the traveller entered: checks the texts, picks the kind of query from the
// boxes that are filled, and runs it. The state persists between runs as the window's does:
// only the steps that set a member overwrite it.
class Query {
  public:
    explicit Query(BusData& data) : data_(data) {}

    // Throws Error when busdata cannot be used; the state then holds the copied texts.
    Answer run(const QueryInput& input);
    // The same, and the answer rendered into the pane.
    Answer run(const QueryInput& input, ResultPane& pane);

    const QueryState& state() const { return state_; }

  private:
    QueryMode answer(const QueryInput& input, Answer& answer);

    BusData& data_;
    QueryState state_;
};

}  // namespace busquery
