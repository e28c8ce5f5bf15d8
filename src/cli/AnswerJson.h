#pragma once

#include <nlohmann/json.hpp>

#include "query/Answer.h"
#include "query/Language.h"

namespace busquery::cli {

// The answer as data, added to an object that already holds the pieces: "lines" for a line
// lookup, "stations" for a station lookup, "direct" or "plans" for a route search. Columns are
// as stored; the texts the program makes (a line's departures) are in the language.
void addAnswerData(nlohmann::ordered_json& json, const Answer& answer,
                   Language language = Language::Chinese);

}  // namespace busquery::cli
