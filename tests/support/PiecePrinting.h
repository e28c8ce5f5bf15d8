#pragma once

#include <iosfwd>

#include "query/PieceRecorder.h"

namespace busquery {

// Readable pieces in test failure messages: text, colour and bold.
void PrintTo(const Piece& piece, std::ostream* os);

}  // namespace busquery
