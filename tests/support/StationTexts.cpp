#include "support/StationTexts.h"

#include <algorithm>
#include <iterator>
#include <random>

#include "search/SuggestionSearch.h"

namespace busquery::test {
namespace {

using Random = std::mt19937;

std::size_t pick(Random& random, std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
}

// Byte offsets where the characters of UTF-8 text begin, and its size at the end.
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

std::string piece(Random& random, std::string_view column, std::size_t maxCharacters) {
    const std::string text(column);
    auto starts = characterStarts(text);
    const std::size_t characters = starts.size() - 1;
    if (characters == 0) return text;
    const std::size_t first = pick(random, characters);
    const std::size_t length = 1 + pick(random, std::min(maxCharacters, characters - first));
    return text.substr(starts[first], starts[first + length] - starts[first]);
}

std::string flipAsciiCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return text;
}

// Text with one character inserted at a character boundary.
std::string insertAt(Random& random, const std::string& text, const std::string& inserted) {
    auto starts = characterStarts(text);
    std::string out = text;
    out.insert(starts[pick(random, starts.size())], inserted);
    return out;
}

const StationInfo& anyStation(Random& random, const NetworkIndex& index) {
    return index.stations()[pick(random, index.stations().size())];
}

}  // namespace

std::vector<std::string> drawStationTexts(const NetworkIndex& index, std::size_t count,
                                          std::uint32_t seed) {
    Random random(seed);
    static const std::string kSpecial[] = {"'", "_", "%", "\\", "A", "a", " "};
    std::vector<std::string> texts;
    while (texts.size() < count) {
        const StationInfo& station = anyStation(random, index);
        const std::string_view* columns[] = {&station.stna, &station.rdna, &station.near};
        const std::string_view column = *columns[pick(random, 3)];
        if (column.empty()) continue;
        std::string text = piece(random, column, 4);
        switch (pick(random, 8)) {
            case 0:
                text = flipAsciiCase(text);
                break;
            case 1:
                text = insertAt(random, text, kSpecial[pick(random, std::size(kSpecial))]);
                break;
            default:
                break;
        }
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> drawPickedLines(const NetworkIndex& index, std::size_t count,
                                         std::uint32_t seed) {
    Random random(seed);
    std::vector<std::string> lines;
    while (lines.size() < count) {
        std::string line = suggestionLine(anyStation(random, index));
        switch (pick(random, 6)) {
            case 0: {
                auto starts = characterStarts(line);
                line.resize(starts[pick(random, starts.size())]);
                break;
            }
            case 1:
                line = insertAt(random, line, piece(random, anyStation(random, index).stna, 2));
                break;
            case 2:
                line = flipAsciiCase(line);
                break;
            default:
                break;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace busquery::test
