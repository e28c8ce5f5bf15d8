#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "cli/CliContext.h"

namespace busquery::cli {

// What a station box shows after the traveller typed boxText: the cleaned text it keeps and
// the suggestion lines (none when the cleaned text starts no search).
struct Suggestions {
    std::string text;
    std::vector<std::string> items;
};

Suggestions suggest(CliContext& context, std::string_view boxText);

// {"text": CLEANED, "items": [...]}
nlohmann::ordered_json suggestionsJson(const Suggestions& suggestions);

}  // namespace busquery::cli
