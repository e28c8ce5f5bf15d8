#pragma once

#include <optional>
#include <string>

#include "query/Language.h"
#include "query/OutcomeCode.h"

namespace busquery {

// The message box text the query command shows for an outcome; nothing when the answer
// stands in the result pane.
std::optional<std::string> outcomeMessage(OutcomeCode code, Language language = Language::Chinese);

}  // namespace busquery
