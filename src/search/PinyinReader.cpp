#include "search/PinyinReader.h"

#include <algorithm>

#include "search/PlaceNameReadings.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";

// The characters of UTF-8 text up to its first invalid one.
void decode(std::string_view utf8, std::u32string& out) {
    out.clear();
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character c = utf8At(utf8, at);
        if (!c.valid) return;
        out.push_back(c.point);
        at += c.length;
    }
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        parts.push_back(text.substr(at, end - at));
        if (end == std::string_view::npos) return parts;
        at = end + 1;
    }
}

}  // namespace

PinyinReader::PinyinReader() {
    for (const PlaceNameReading& entry : placeNameReadings()) {
        Word word{{}, split(entry.readings, ' ')};
        decode(entry.text, word.characters);
        if (word.characters.size() == 1) {
            ownReadings_.emplace(word.characters.front(), word.readings.front());
        } else {
            words_.push_back(std::move(word));
        }
    }
    std::stable_sort(words_.begin(), words_.end(), [](const Word& a, const Word& b) {
        return a.characters.size() > b.characters.size();
    });
}

const PinyinReader::Character& PinyinReader::character(char32_t c) {
    auto [slot, added] = characters_.try_emplace(c);
    if (added) {
        const auto own = ownReadings_.find(c);
        slot->second.readings = own != ownReadings_.end() ? own->second : han_.of(c);
        for (std::uint32_t w = 0; w < words_.size(); ++w) {
            if (words_[w].characters.front() == c) slot->second.words.push_back(w);
        }
    }
    return slot->second;
}

void PinyinReader::read(std::string_view name, std::vector<std::string_view>& out) {
    decode(name, name_);
    const std::u32string_view rest(name_);
    for (std::size_t at = 0; at < rest.size();) {
        const char32_t c = rest[at];
        if (c < 0x80) {
            const char lower = static_cast<char>(c | 0x20);
            if (lower < 'a' || lower > 'z') return;
            out.push_back(kLetters.substr(lower - 'a', 1));
            ++at;
            continue;
        }
        const Character& known = character(c);
        const Word* word = nullptr;
        for (std::uint32_t w : known.words) {
            if (rest.substr(at).starts_with(words_[w].characters)) {
                word = &words_[w];
                break;
            }
        }
        if (word) {
            out.insert(out.end(), word->readings.begin(), word->readings.end());
            at += word->characters.size();
        } else if (!known.readings.empty()) {
            out.push_back(known.readings);
            ++at;
        } else {
            return;
        }
    }
}

}  // namespace busquery
