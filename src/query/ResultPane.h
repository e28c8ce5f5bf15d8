#pragma once

#include <cstdint>
#include <string_view>

namespace busquery {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kStationBlue{51, 102, 255};
inline constexpr Rgb kPurple{100, 0, 100};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kTimeOrange{204, 102, 0};  // the clock times of journeys
}  // namespace colours

// Line break inside the pane's text: carriage return, line feed.
inline constexpr std::string_view kBreak = "\r\n";

// Where a query writes its answer: pieces of text, each in the colour and weight set last.
// clear() empties the pane and returns to black, not bold.
class ResultPane {
  public:
    virtual ~ResultPane() = default;
    virtual void clear() = 0;
    virtual void setColour(Rgb colour) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void append(std::string_view text) = 0;
};

}  // namespace busquery
