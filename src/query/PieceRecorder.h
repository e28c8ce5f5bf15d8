#pragma once

#include <string>
#include <vector>

#include "query/ResultPane.h"

namespace busquery {

struct Piece {
    std::string text;
    Rgb rgb;
    bool bold = false;
    bool operator==(const Piece&) const = default;
};

// A result pane that keeps the pieces written to it, in writing order; the CLI's writers and
// the tests read them back.
class PieceRecorder : public ResultPane {
  public:
    void clear() override;
    void setColour(Rgb colour) override { colour_ = colour; }
    void setBold(bool bold) override { bold_ = bold; }
    void append(std::string_view text) override;

    const std::vector<Piece>& pieces() const { return pieces_; }
    // All piece texts run together: what the pane shows.
    std::string text() const;

  private:
    std::vector<Piece> pieces_;
    Rgb colour_;
    bool bold_ = false;
};

}  // namespace busquery
