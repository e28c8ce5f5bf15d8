#include "cli/PieceWriters.h"

#include "cli/AnswerJson.h"
#include "cli/JsonLine.h"
#include "cli/VisibleText.h"
#include "query/OutcomeMessage.h"
#include "query/Renderer.h"

namespace busquery::cli {

std::string writeText(const std::vector<Piece>& pieces) {
    std::string out;
    for (const auto& piece : pieces) out += visibleText(piece.text, EscapeStyle::Terminal);
    return out;
}

std::string writeAnsi(const std::vector<Piece>& pieces) {
    std::string out;
    for (const auto& piece : pieces) {
        out += "\x1b[0;";
        if (piece.bold) out += "1;";
        out += "38;2;" + std::to_string(piece.rgb.r) + ";" + std::to_string(piece.rgb.g) + ";" +
               std::to_string(piece.rgb.b) + "m";
        out += visibleText(piece.text, EscapeStyle::Terminal);
    }
    if (!pieces.empty()) out += "\x1b[0m";
    return out;
}

std::vector<Piece> answerPieces(const Answer& answer, Language language,
                                const LineTerminus& terminus) {
    PieceRecorder pane;
    render(answer, pane, language, terminus);
    return pane.pieces();
}

nlohmann::ordered_json resultJson(const Answer& answer, const std::vector<Piece>& pieces,
                                  Language language) {
    nlohmann::ordered_json json;
    json["mode"] = std::string(modeName(answer.mode));
    json["outcome"] = static_cast<int>(answer.outcome);
    auto message = outcomeMessage(answer.outcome, language);
    json["message"] = message ? nlohmann::ordered_json(*message) : nlohmann::ordered_json(nullptr);
    json["records"] = answer.records;
    if (!answer.city.empty()) json["city"] = answer.city;
    auto& list = json["pieces"] = nlohmann::ordered_json::array();
    for (const auto& piece : pieces) {
        list.push_back({{"text", piece.text},
                        {"rgb", {piece.rgb.r, piece.rgb.g, piece.rgb.b}},
                        {"bold", piece.bold}});
    }
    addAnswerData(json, answer, language);
    return json;
}

std::string writeResult(Format format, const Answer& answer, const std::vector<Piece>& pieces,
                        Language language) {
    if (format == Format::Json) return jsonLine(resultJson(answer, pieces, language));
    std::string out = format == Format::Ansi ? writeAnsi(pieces) : writeText(pieces);
    // Terminal hygiene: the pane's last piece need not end a line.
    if (!out.empty() && out.back() != '\n') out += "\n";
    if (auto message = outcomeMessage(answer.outcome, language)) out += *message + "\n";
    return out;
}

}  // namespace busquery::cli
