#pragma once

#include <span>
#include <string_view>

namespace busquery {

// A reading place names give one character, or the characters of one word, where it differs
// from the reading ICU gives the character alone.
struct PlaceNameReading {
    std::string_view text;      // one character, or a word of several
    std::string_view readings;  // one per character, separated by blanks; alternatives by "|"
};

// The place-name readings: they replace ICU's reading of a character, and a word's readings
// those of its characters wherever the word stands in a name (the longest word first).
std::span<const PlaceNameReading> placeNameReadings();

}  // namespace busquery
