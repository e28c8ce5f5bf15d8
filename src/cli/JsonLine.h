#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace busquery::cli {

// The object on one line, ending with a line break. Texts from a database or a request need
// not be UTF-8: bytes that are not become U+FFFD, so the output is always valid JSON.
std::string jsonLine(const nlohmann::ordered_json& json);

}  // namespace busquery::cli
