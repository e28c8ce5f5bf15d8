#include "query/StationName.h"

#include <vector>

namespace busquery {
namespace {

bool continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The bytes of the first count characters of utf8.
std::size_t characterBytes(std::string_view utf8, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < count && at < utf8.size(); ++n) {
        ++at;
        while (at < utf8.size() && continuation(utf8[at])) ++at;
    }
    return at;
}

// Generic words of place names (roads, junctions, estates, schools), written as words of their
// own after the proper name, as signs write them: "石湖大街" → "Shihu Dajie". Longer forms
// first where one begins another.
constexpr std::string_view kGenericWords[] = {
    "大街口", "大道口", "东路口", "西路口", "南路口", "北路口", "中路口", "火车站", "汽车站",
    "电影院", "幼儿园", "大街",   "大道",   "路口",   "街口",   "道口",   "东路",   "西路",
    "南路",   "北路",   "中路",   "东街",   "西街",   "南街",   "北街",   "小区",   "新村",
    "一村",   "二村",   "三村",   "四村",   "五村",   "中学",   "小学",   "大学",   "学院",
    "医院",   "花园",   "公园",   "广场",   "山庄",   "宾馆",   "酒店",   "书店",   "市场",
    "商场",   "车站",   "码头",   "机场",   "大桥",   "路",     "街",
};

// The characters of the generic word text begins with, 0 for none.
std::size_t genericWordAt(std::string_view text) {
    for (const std::string_view word : kGenericWords) {
        if (text.starts_with(word)) return characterBytes(word, word.size()) / 3;
    }
    return 0;
}

}  // namespace

std::string StationNames::shown(std::string_view stna) {
    if (language_ == Language::Chinese) return std::string(stna);
    const std::string key(stna);
    if (const auto found = shown_.find(key); found != shown_.end()) return found->second;
    if (english_ != nullptr) {
        if (const std::string* name = english_->shown(stna)) return shown_[key] = *name;
    }
    const std::string reading = pinyin(stna);
    return shown_[key] = reading.empty() ? key : key + " (" + reading + ")";
}

std::string StationNames::shownList(std::string_view list) {
    if (language_ == Language::Chinese) return std::string(list);
    std::string out;
    while (!list.empty()) {
        const auto end = list.find(';');
        out += shown(list.substr(0, end));
        if (end == std::string_view::npos) break;
        out += ';';
        list.remove_prefix(end + 1);
    }
    return out;
}

// Runs of Han characters as their pinyin, each run one word with a capital (the first reading
// where a character has several) and a generic word after a longer proper name a word of its
// own, runs of ASCII as they are, other characters as breaks between words: "东桥（北）" →
// "Dongqiao Bei", "B区" → "B Qu", "石湖大街石渡西路口" → "Shihu Dajie Shidu Xilukou". Empty for
// a name without Han.
std::string StationNames::pinyin(std::string_view stna) {
    std::string out;
    bool han = false;
    auto word = [&out](std::string_view text) {
        if (!out.empty() && out.back() != ' ') out += ' ';
        out += text;
    };
    std::vector<std::string_view> syllables;
    while (!stna.empty()) {
        if (static_cast<unsigned char>(stna.front()) < 0x80) {
            std::size_t end = 0;
            while (end < stna.size() && static_cast<unsigned char>(stna[end]) < 0x80) ++end;
            std::string_view ascii = stna.substr(0, end);
            while (ascii.starts_with(' ')) ascii.remove_prefix(1);
            while (ascii.ends_with(' ')) ascii.remove_suffix(1);
            if (!ascii.empty()) word(ascii);
            stna.remove_prefix(end);
            continue;
        }
        syllables.clear();
        if (!reader_) reader_.emplace();
        reader_->read(stna, syllables);
        // The reader reads ASCII letters too; only the Han characters before them count here.
        std::string run;
        std::size_t inRun = 0;
        std::size_t genericLeft = 0;
        auto endWord = [&] {
            if (run.empty()) return;
            if (run.front() >= 'a' && run.front() <= 'z') run.front() -= 'a' - 'A';
            word(run);
            run.clear();
            inRun = 0;
        };
        std::size_t read = 0;
        for (std::string_view syllable : syllables) {
            const std::size_t bytes = characterBytes(stna, 1);
            if (bytes == 0 || static_cast<unsigned char>(stna.front()) < 0x80) break;
            // A generic word after a proper name of two characters or more stands apart.
            if (genericLeft == 0 && inRun >= 2) {
                genericLeft = genericWordAt(stna);
                if (genericLeft > 0) endWord();
            }
            const std::string_view reading = syllable.substr(0, syllable.find('|'));
            // A syllable beginning with a, o or e inside a word is set off, as pinyin writes it:
            // Xi'an, not Xian.
            if (!run.empty() && !reading.empty() &&
                (reading.front() == 'a' || reading.front() == 'o' || reading.front() == 'e')) {
                run += '\'';
            }
            run += reading;
            ++inRun;
            stna.remove_prefix(bytes);
            ++read;
            if (genericLeft > 0 && --genericLeft == 0) endWord();
        }
        if (read == 0) {
            stna.remove_prefix(characterBytes(stna, 1));  // no reading: a break between words
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        han = true;
        endWord();
    }
    while (out.ends_with(' ')) out.pop_back();
    return han ? out : std::string();
}

}  // namespace busquery
