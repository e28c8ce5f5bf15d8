#include "cli/JsonLine.h"

namespace busquery::cli {

std::string jsonLine(const nlohmann::ordered_json& json) {
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace busquery::cli
