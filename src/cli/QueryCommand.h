#pragma once

#include "cli/Command.h"
#include "query/Answer.h"
#include "query/QueryInput.h"
#include "query/TimedRoute.h"

namespace busquery::cli {

// query [--line T] [--station T] [--from T] [--to T] [--pick LINE]: the raw texts of the
// window's boxes, answered as the query button answers them.
class QueryCommand : public Command {
  public:
    QueryCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

    // The answer to the boxes' texts; a batch request is answered by it as well.
    static Answer answer(CliContext& context, const QueryInput& input);
    // The route boxes' texts answered at a time.
    static Answer answerAt(CliContext& context, const QueryInput& input, const RouteTime& time);

  private:
    QueryInput input_;
};

}  // namespace busquery::cli
