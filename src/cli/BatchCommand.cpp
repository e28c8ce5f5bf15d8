#include "cli/BatchCommand.h"

#include <nlohmann/json.hpp>

#include <ctime>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/FailureMessage.h"
#include "cli/JsonLine.h"
#include "cli/QueryCommand.h"
#include "cli/RouteTimeText.h"
#include "cli/Suggestions.h"
#include "cli/VisibleText.h"
#include "query/ErrorReport.h"
#include "query/Query.h"
#include "text/Utf8.h"

namespace busquery::cli {
namespace {

// A request line: the texts of the boxes, or a station box's text to suggest for.
struct Request {
    QueryInput input;
    std::optional<std::string> suggest;
    std::optional<RouteTime> time;  // "at" or "arriveBy": the route search by the clock
};

Error badRequest(ErrorText reason) {
    return Error(ErrorKind::BadArgument, {"无法读取请求%1", {std::move(reason)}});
}

// The whole line as an error message quotes it, every control character and stray byte
// escaped: the message is one line of text, never cut short at a NUL.
ErrorText quoted(std::string_view line) {
    return ErrorText::value(visibleText(line, EscapeStyle::Json));
}

std::string textField(const nlohmann::json& request, const char* key) {
    auto it = request.find(key);
    if (it == request.end() || it->is_null()) return {};
    if (!it->is_string()) throw badRequest({"：“%1” 必须是文本", {ErrorText::value(key)}});
    return it->get<std::string>();
}

Request readRequest(std::string_view line) {
    // A blank line asks with every box empty.
    if (line.find_first_not_of(" \t") == std::string_view::npos) return {};
    // The JSON reader's own messages are English and quote the bytes it stopped at; say it here.
    if (std::size_t valid = validUtf8Length(line); valid < line.size()) {
        throw badRequest({" “%1”：第 %2 个字节不是 UTF-8 文本",
                          {quoted(line), ErrorText::value(std::to_string(valid + 1))}});
    }
    nlohmann::json request;
    try {
        request = nlohmann::json::parse(line);
    } catch (const nlohmann::json::parse_error& e) {
        throw badRequest({" “%1”：不是有效的 JSON（第 %2 个字节处）",
                          {quoted(line), ErrorText::value(std::to_string(e.byte))}});
    } catch (const nlohmann::json::exception&) {
        throw badRequest({" “%1”：不是有效的 JSON", {quoted(line)}});
    }
    if (!request.is_object()) throw badRequest("：每行须是一个 JSON 对象");
    if (request.contains("suggest")) {
        for (const char* key : {"line", "station", "from", "to", "pick"}) {
            if (request.contains(key)) {
                throw badRequest({"：“suggest” 不能与 “%1” 同时使用", {ErrorText::value(key)}});
            }
        }
        return {{}, textField(request, "suggest"), std::nullopt};
    }
    Request read{{textField(request, "line"), textField(request, "station"),
                  textField(request, "from"), textField(request, "to"), textField(request, "pick")},
                 std::nullopt,
                 std::nullopt};
    if (request.contains("at") || request.contains("arriveBy")) {
        if (request.contains("at") && request.contains("arriveBy")) {
            throw badRequest("：“at” 不能与 “arriveBy” 同时使用");
        }
        if (!read.input.line.empty() || !read.input.station.empty()) {
            throw badRequest("：“at” 和 “arriveBy” 只用于路线查询");
        }
        const bool arriveBy = request.contains("arriveBy");
        const std::string text = textField(request, arriveBy ? "arriveBy" : "at");
        read.time = readRouteTime(text, arriveBy, std::time(nullptr));
        if (!read.time) {
            throw badRequest({"：无法读取时间“%1”，应为 “2026-01-08 08:00”、“08:00” 或 “now”",
                              {ErrorText::value(text)}});
        }
    }
    return read;
}

// Answered by the same code as the suggest, query and line commands: a line lookup on data
// with a timetable lists today's departures as the line command does.
nlohmann::ordered_json answer(CliContext& context, const Request& request) {
    if (request.suggest) return suggestionsJson(suggest(context, *request.suggest));
    if (request.time) {
        const Answer result = QueryCommand::answerAt(context, request.input, *request.time);
        return resultJson(result, context.pieces(result), context.language);
    }
    Query query = context.query();
    if (const auto today = readRouteTime("now", false, std::time(nullptr))) {
        query.showDeparturesOn(today->day);
    }
    const Answer result = query.run(request.input);
    return resultJson(result, context.pieces(result), context.language);
}

}  // namespace

BatchCommand::BatchCommand()
    : Command("batch",
              "Read one JSON request per line from standard input, write one JSON answer per "
              "line") {}

void BatchCommand::addOptions(CLI::App&) {}

int BatchCommand::run(CliContext& context) {
    int status = kExitListed;
    std::string line;
    while (std::getline(context.in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        nlohmann::ordered_json result;
        try {
            result = answer(context, readRequest(line));
        } catch (...) {
            const ErrorReport report = reportError(std::current_exception(), context.language);
            result = {{"error", report.message}};
            writeCause(context, report);
            status = kExitFailure;
        }
        context.out << jsonLine(result);
        // Each answer goes out at once: a reader may wait for it before it sends the next line,
        // and output that cannot be written ends the batch.
        context.flushOutput();
    }
    if (context.in.bad()) throw Error(ErrorKind::ReadFailed, "无法读取标准输入");
    return status;
}

}  // namespace busquery::cli
