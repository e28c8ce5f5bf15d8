#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "query/Answer.h"
#include "query/Language.h"
#include "query/LineName.h"
#include "query/PieceRecorder.h"

namespace busquery::cli {

enum class Format { Text, Ansi, Json };

// The pieces run together, as the pane shows them. A control character a data file still holds
// in a name is written as a visible escape (\x1b): the terminal shows it and never acts on it.
std::string writeText(const std::vector<Piece>& pieces);

// The pieces with 24-bit colour and bold escapes, and names written as writeText writes them;
// the terminal is reset at the end.
std::string writeAnsi(const std::vector<Piece>& pieces);

// The answer as the result pane shows it in the language.
std::vector<Piece> answerPieces(const Answer& answer, Language language = Language::Chinese,
                                const LineTerminus& terminus = {});

// {"mode", "outcome", "message", "records", "pieces": [{"text", "rgb", "bold"}], then the
// answer as data}; the message and the pieces are in the language, the keys never change.
nlohmann::ordered_json resultJson(const Answer& answer, const std::vector<Piece>& pieces,
                                  Language language = Language::Chinese);

// The whole answer of one query in the chosen format, ending with a line break.
std::string writeResult(Format format, const Answer& answer, const std::vector<Piece>& pieces,
                        Language language = Language::Chinese);

}  // namespace busquery::cli
