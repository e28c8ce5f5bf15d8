#include "query/PieceRecorder.h"

namespace busquery {

void PieceRecorder::clear() {
    pieces_.clear();
    colour_ = colours::kBlack;
    bold_ = false;
}

void PieceRecorder::append(std::string_view text) {
    pieces_.push_back(Piece{std::string(text), colour_, bold_});
}

std::string PieceRecorder::text() const {
    std::string all;
    for (const auto& piece : pieces_) all += piece.text;
    return all;
}

}  // namespace busquery
