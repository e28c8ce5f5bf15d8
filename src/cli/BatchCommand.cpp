#include "cli/BatchCommand.h"

#include <nlohmann/json.hpp>

#include <istream>
#include <ostream>

#include "cli/StationCommands.h"
#include "query/Query.h"
#include "store/Error.h"

namespace busquery::cli {
namespace {

std::string textField(const nlohmann::json& request, const char* key) {
    auto it = request.find(key);
    if (it == request.end() || it->is_null()) return {};
    if (!it->is_string()) throw std::invalid_argument(std::string("“") + key + "” 必须是文本");
    return it->get<std::string>();
}

nlohmann::ordered_json answer(CliContext& context, const std::string& line) {
    auto request = nlohmann::json::parse(line);
    if (!request.is_object()) throw std::invalid_argument("每行须是一个 JSON 对象");
    if (request.contains("suggest")) {
        for (const char* key : {"line", "station", "from", "to", "pick"}) {
            if (request.contains(key)) {
                throw std::invalid_argument(std::string("“suggest” 不能与 “") + key + "” 同时使用");
            }
        }
        return suggestionsJson(suggest(context, textField(request, "suggest")));
    }
    QueryInput input{textField(request, "line"), textField(request, "station"),
                     textField(request, "from"), textField(request, "to"),
                     textField(request, "pick")};
    Query query(context.data());
    PieceRecorder pane;
    const Answer result = query.run(input, pane);
    return resultJson(result, pane.pieces());
}

int runBatch(CliContext& context) {
    int status = kExitListed;
    std::string line;
    while (std::getline(context.in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        nlohmann::ordered_json result;
        try {
            result = answer(context, line);
        } catch (const nlohmann::json::exception& e) {
            result = {{"error", std::string("无法读取请求：") + e.what()}};
            status = kExitFailure;
        } catch (const std::invalid_argument& e) {
            result = {{"error", std::string("无法读取请求：") + e.what()}};
            status = kExitFailure;
        } catch (const Error& e) {
            result = {{"error", e.what()}};
            status = kExitFailure;
        }
        context.out << result.dump() << '\n';
    }
    return status;
}

}  // namespace

void addBatchCommand(CLI::App& app, CliContext& context, std::function<int()>& action) {
    auto* batch = app.add_subcommand(
        "batch",
        "Read one JSON request per line from standard input, write one JSON answer per line");
    batch->callback([&] { action = [&] { return runBatch(context); }; });
}

}  // namespace busquery::cli
