#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "network/NetworkIndex.h"
#include "search/PinyinIndex.h"
#include "search/PinyinText.h"

namespace busquery::test {

// Texts a traveller might type to find a station by its pinyin: the start of a real name's
// syllables, each by its first letter, by zh/ch/sh or in full, the last cut anywhere; some
// with an apostrophe after a syllable, some in capitals, some with one letter changed (so
// that they may spell other names, or none). At least two letters each. Repeatable.
inline std::vector<std::string> drawPinyinTexts(const NetworkIndex& network, std::size_t count,
                                                std::uint32_t seed) {
    std::mt19937 random(seed);
    auto pick = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };
    const PinyinIndex& pinyin = network.derived<PinyinIndex>();
    std::vector<std::string> texts;
    while (texts.size() < count) {
        const auto syllables =
            pinyin.syllables(static_cast<std::uint32_t>(pick(network.stations().size())));
        if (syllables.empty()) continue;
        const std::size_t spelled = 1 + pick(syllables.size());
        std::string text;
        for (std::size_t s = 0; s < spelled; ++s) {
            std::vector<std::string_view> readings;
            forEachReading(syllables[s], [&](std::string_view r) { readings.push_back(r); });
            const std::string_view reading = readings[pick(readings.size())];
            if (s + 1 == spelled) {
                text += reading.substr(0, 1 + pick(reading.size()));
                break;
            }
            switch (pick(3)) {
                case 0:
                    text += reading.substr(0, hasDoubleInitial(reading) ? 2 : 1);
                    break;
                case 1:
                    text += reading.substr(0, 1);
                    break;
                default:
                    text += reading;
                    break;
            }
            if (pick(8) == 0) text += '\'';
        }
        if (text.size() < 2) continue;
        switch (pick(10)) {
            case 0:
                for (char& c : text) c = c == '\'' ? c : static_cast<char>(c - 'a' + 'A');
                break;
            case 1: {
                char& c = text[pick(text.size())];
                if (c != '\'') c = static_cast<char>('a' + pick(26));
                break;
            }
            default:
                break;
        }
        texts.push_back(text);
    }
    return texts;
}

}  // namespace busquery::test
