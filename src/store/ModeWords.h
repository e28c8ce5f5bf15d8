#pragma once

#include <array>
#include <string_view>

namespace busquery {

// The words before the number in the name of a line that is no bus (地铁1号线, 无轨电车1路), as
// the bus database writes them: tram, metro, railway, ferry, cable car, trolleybus, monorail.
inline constexpr std::array<std::string_view, 7> kModeWords = {
    "有轨电车", "地铁", "铁路", "轮渡", "索道", "无轨电车", "单轨"};

}  // namespace busquery
