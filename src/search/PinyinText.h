#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace busquery {

// The longest pinyin syllable has six letters (zhuang); a longer reading is none.
inline constexpr std::size_t kLongestSyllable = 6;

// Calls f with each reading of a syllable written as its readings separated by "|".
template <class F>
void forEachReading(std::string_view syllable, F f) {
    for (std::size_t from = 0; from <= syllable.size();) {
        std::size_t end = syllable.find('|', from);
        if (end == std::string_view::npos) end = syllable.size();
        f(syllable.substr(from, end - from));
        from = end + 1;
    }
}

// Whether a reading starts with one of the two-letter initials zh, ch and sh, which a traveller
// may give instead of its first letter alone.
inline bool hasDoubleInitial(std::string_view reading) {
    return reading.size() > 2 && reading[1] == 'h' &&
           (reading[0] == 'z' || reading[0] == 'c' || reading[0] == 's');
}

// Whether a suggestion or lookup text is also read as pinyin: ASCII letters, at least two, in
// either case; an apostrophe may follow a letter, to mark where a syllable ends ("xi'an", and
// "xi'" on the way to it). Digits, blanks, any other sign or a leading apostrophe: not pinyin.
bool isPinyinText(std::string_view text);

// The text with blanks between words read as apostrophes, so that pinyin written in words as
// the English interface shows it ("Shihu Dajie") is read as pinyin text ("Shihu'Dajie"); blanks
// at either end are dropped. A text without blanks comes back as it is.
std::string blanksAsSyllableMarks(std::string_view text);

// Whether a pinyin text in lower case spells a name given as its syllables (see PinyinReader),
// from the name's first syllable on. Each syllable but the last spelled is given by its first
// letter, by zh, ch or sh where it starts with them, or in full; the last may be given by any
// start of it. An apostrophe stands only where a syllable was given by initial or in full. So
// "dq", "dqdy", "dongqiao", "dongq", "dqiao", "zhq" and "zq" all spell 中桥 or 东桥电影院 as the
// case may be, and "xi'an" spells 西安 but not 先.
bool spellsSyllables(std::string_view loweredText, std::span<const std::string_view> syllables);

}  // namespace busquery
