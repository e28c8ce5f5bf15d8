#include "search/PinyinText.h"

namespace busquery {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool spellsFrom(std::string_view text, std::size_t at, std::span<const std::string_view> syllables,
                std::size_t next) {
    if (at == text.size()) return true;
    // An apostrophe only ever follows a syllable given whole: the search stands at a boundary.
    if (text[at] == '\'') return spellsFrom(text, at + 1, syllables, next);
    if (next == syllables.size()) return false;
    const std::string_view rest = text.substr(at);
    const std::size_t segment = rest.find('\'');
    bool spelled = false;
    forEachReading(syllables[next], [&](std::string_view reading) {
        if (spelled || reading.empty() || reading[0] != rest[0]) return;
        spelled =
            // The last syllable spelled may be cut short.
            (segment == std::string_view::npos && reading.starts_with(rest)) ||
            spellsFrom(text, at + 1, syllables, next + 1) ||
            (hasDoubleInitial(reading) && rest.starts_with(reading.substr(0, 2)) &&
             spellsFrom(text, at + 2, syllables, next + 1)) ||
            (reading.size() > 1 && rest.starts_with(reading) &&
             spellsFrom(text, at + reading.size(), syllables, next + 1));
    });
    return spelled;
}

}  // namespace

bool isPinyinText(std::string_view text) {
    std::size_t letters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (isAsciiLetter(text[at])) {
            ++letters;
        } else if (text[at] != '\'' || at == 0 || text[at - 1] == '\'') {
            return false;
        }
    }
    return letters >= 2;
}

std::string blanksAsSyllableMarks(std::string_view text) {
    while (text.starts_with(' ')) text.remove_prefix(1);
    while (text.ends_with(' ')) text.remove_suffix(1);
    std::string marked;
    marked.reserve(text.size());
    for (const char c : text) {
        if (c != ' ') {
            marked += c;
        } else if (!marked.ends_with('\'')) {
            marked += '\'';
        }
    }
    return marked;
}

bool spellsSyllables(std::string_view loweredText, std::span<const std::string_view> syllables) {
    return !loweredText.empty() && spellsFrom(loweredText, 0, syllables, 0);
}

}  // namespace busquery
