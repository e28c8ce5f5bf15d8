#pragma once

#include <nlohmann/json.hpp>

#include "query/Answer.h"

namespace busquery::cli {

// The answer as data, added to an object that already holds the pieces: "lines" for a line
// lookup, "stations" for a station lookup, "direct" or "plans" for a route search.
void addAnswerData(nlohmann::ordered_json& json, const Answer& answer);

}  // namespace busquery::cli
