#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/HanReadings.h"

namespace busquery {

// Reads names as pinyin syllables, one per character: Han characters as the place-name table
// or else ICU reads them, ASCII letters as themselves in lower case (B区 is "b", "qu"). Reading
// stops at the first character that has no reading, such as a digit, a blank or a bracket:
// a traveller spells a name from its start, in letters.
class PinyinReader {
  public:
    PinyinReader();

    // Appends the syllables of name to out, each its readings separated by "|" ("chang|zhang").
    // The views live as long as the reader.
    void read(std::string_view name, std::vector<std::string_view>& out);

  private:
    struct Word {
        std::u32string characters;
        std::vector<std::string_view> readings;  // one per character
    };
    // What the reader knows of one character, found out on first meeting it.
    struct Character {
        std::string_view readings;
        std::vector<std::uint32_t> words;  // the words that start with it, longest first
    };

    const Character& character(char32_t c);

    HanReadings han_;
    std::vector<Word> words_;
    std::unordered_map<char32_t, std::string_view> ownReadings_;  // the table's single characters
    std::unordered_map<char32_t, Character> characters_;
    std::u32string name_;  // the characters of the name being read
};

}  // namespace busquery
