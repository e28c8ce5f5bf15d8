#include "support/PiecePrinting.h"

#include <ostream>

namespace busquery {

void PrintTo(const Piece& piece, std::ostream* os) {
    *os << "{\"" << piece.text << "\", rgb(" << int(piece.rgb.r) << "," << int(piece.rgb.g) << ","
        << int(piece.rgb.b) << ")" << (piece.bold ? ", bold" : "") << "}";
}

}  // namespace busquery
