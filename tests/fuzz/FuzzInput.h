#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace busquery::fuzz {

// The fuzzer's bytes as text.
inline std::string_view inputText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Two box texts from one input: before and after its first line break (the second is empty
// when there is none). A line break cannot be typed into a box, so nothing is lost.
inline std::pair<std::string_view, std::string_view> twoTexts(std::string_view text) {
    const std::size_t cut = text.find('\n');
    if (cut == std::string_view::npos) return {text, {}};
    return {text.substr(0, cut), text.substr(cut + 1)};
}

// Stops the run as a crash, so that libFuzzer keeps the input: for answers that are wrong
// without any sanitizer noticing.
[[noreturn]] inline void fault() {
    __builtin_trap();
}

}  // namespace busquery::fuzz
