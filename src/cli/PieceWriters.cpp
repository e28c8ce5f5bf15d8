#include "cli/PieceWriters.h"

#include "query/OutcomeMessage.h"

namespace busquery::cli {

std::string writeText(const std::vector<Piece>& pieces) {
    std::string out;
    for (const auto& piece : pieces) out += piece.text;
    return out;
}

std::string writeAnsi(const std::vector<Piece>& pieces) {
    std::string out;
    for (const auto& piece : pieces) {
        out += "\x1b[0;";
        if (piece.bold) out += "1;";
        out += "38;2;" + std::to_string(piece.rgb.r) + ";" + std::to_string(piece.rgb.g) + ";" +
               std::to_string(piece.rgb.b) + "m";
        out += piece.text;
    }
    if (!pieces.empty()) out += "\x1b[0m";
    return out;
}

nlohmann::ordered_json resultJson(QueryMode mode, const QueryState& state,
                                  const std::vector<Piece>& pieces) {
    nlohmann::ordered_json json;
    json["mode"] = std::string(modeName(mode));
    json["outcome"] = static_cast<int>(state.intOutState);
    auto message = outcomeMessage(state.intOutState);
    json["message"] = message ? nlohmann::ordered_json(*message) : nlohmann::ordered_json(nullptr);
    json["records"] = state.lngRecordNum;
    auto& list = json["pieces"] = nlohmann::ordered_json::array();
    for (const auto& piece : pieces) {
        list.push_back({{"text", piece.text},
                        {"rgb", {piece.rgb.r, piece.rgb.g, piece.rgb.b}},
                        {"bold", piece.bold}});
    }
    return json;
}

std::string writeResult(Format format, QueryMode mode, const QueryState& state,
                        const std::vector<Piece>& pieces) {
    if (format == Format::Json) return resultJson(mode, state, pieces).dump() + "\n";
    std::string out = format == Format::Ansi ? writeAnsi(pieces) : writeText(pieces);
    // Terminal hygiene: the pane's last piece need not end a line.
    if (!out.empty() && out.back() != '\n') out += "\n";
    if (auto message = outcomeMessage(state.intOutState)) out += *message + "\n";
    return out;
}

}  // namespace busquery::cli
