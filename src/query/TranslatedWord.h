#pragma once

#include <span>
#include <string_view>

namespace busquery {

// One message of a translation file: the context that says where it is used, the program's
// own Chinese text and its translation. A text that depends on a count carries its forms
// (singular, plural) separated by kNumerusSeparator.
struct TranslatedWord {
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

inline constexpr char kNumerusSeparator = '\x1e';

// The finished messages of translations/busquery_en.ts, which the build turns into a table.
std::span<const TranslatedWord> englishWords();

}  // namespace busquery
