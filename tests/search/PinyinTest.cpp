#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "search/HanReadings.h"
#include "search/PinyinReader.h"
#include "search/PinyinText.h"
#include "search/PlaceNameReadings.h"
#include "support/SampleFixture.h"

namespace busquery {
namespace {

using Syllables = std::vector<std::string_view>;

std::string joined(const Syllables& syllables) {
    std::string out;
    for (auto s : syllables) out += (out.empty() ? "" : " ") + std::string(s);
    return out;
}

TEST(PinyinText, LettersAtLeastTwoWithApostrophesAfterLetters) {
    const std::pair<const char*, bool> cases[] = {
        {"dq", true},      {"DQ", true},   {"DongQ", true},     {"xi'an", true}, {"xi'", true},
        {"a'b'c", true},   {"d", false},   {"d'", false},       {"", false},     {"'xian", false},
        {"xi''an", false}, {"dq1", false}, {"d q", false},      {"dq%", false},  {"东q", false},
        {"dq\xE4", false}, {"ü", false},   {"\xC3\xA9", false},
    };
    for (const auto& [text, pinyin] : cases) EXPECT_EQ(isPinyinText(text), pinyin) << text;
}

TEST(PinyinText, SpellsTheNameFromItsFirstSyllable) {
    const Syllables dongqiao{"dong", "qiao", "dian", "ying", "yuan"};  // 东桥电影院
    const Syllables zhongqiao{"zhong", "qiao"};                        // 中桥
    const Syllables xian{"xi", "an"};                                  // 西安
    const Syllables xianfeng{"xian", "feng"};                          // 先锋
    const Syllables changsha{"chang|zhang", "sha"};                    // 长沙
    const Syllables ludao{"lu|lv", "dao"};                             // 绿岛
    struct Case {
        const char* text;
        const Syllables& name;
        bool spells;
    };
    const Case cases[] = {
        // Initials, the start of the full pinyin, and a mix of the two.
        {"dq", dongqiao, true},
        {"dqdy", dongqiao, true},
        {"dqdyy", dongqiao, true},
        {"dqdyyy", dongqiao, false},  // longer than the name
        {"dongqiao", dongqiao, true},
        {"dongq", dongqiao, true},
        {"dongqi", dongqiao, true},
        {"dongqiaod", dongqiao, true},
        {"dqiao", dongqiao, true},
        {"dqiaodianyingyuan", dongqiao, true},
        {"dongqiaodianyingyuanx", dongqiao, false},
        {"do", dongqiao, true},
        // Only a syllable given by initial or in full may be followed by the next one.
        {"donqiao", dongqiao, false},
        {"dqia", dongqiao, true},
        {"dqiad", dongqiao, false},
        // From the first character only.
        {"qiao", dongqiao, false},
        {"qd", dongqiao, false},
        // zh, ch and sh count as initials as well as their first letter.
        {"zq", zhongqiao, true},
        {"zhq", zhongqiao, true},
        {"zhqiao", zhongqiao, true},
        {"zhoq", zhongqiao, false},
        {"cs", changsha, true},
        {"chs", changsha, true},
        {"zhangsha", changsha, true},
        {"changsha", changsha, true},
        {"csh", changsha, true},
        // An apostrophe marks where a syllable ends.
        {"xi'an", xian, true},
        {"xi'an", xianfeng, false},
        {"xian", xian, true},
        {"xian", xianfeng, true},
        {"x'an", xian, true},
        {"xi'", xian, true},
        {"xi'", xianfeng, false},
        {"xia'", xianfeng, false},
        {"xian'f", xianfeng, true},
        {"xian'", xian, true},  // xi, an, then the end of a syllable
        {"xian'", xianfeng, true},
        // ü typed as v or as u.
        {"lvdao", ludao, true},
        {"ludao", ludao, true},
        {"ld", ludao, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spellsSyllables(c.text, c.name), c.spells) << c.text << " / " << joined(c.name);
    }
}

TEST(PinyinReader, ReadsHanCharactersAndLettersUpToTheFirstOtherCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"东桥", "dong qiao"},
        {"中桥", "zhong qiao"},
        // Place names read as the table has them: words whole, characters with alternatives.
        {"重庆路", "chong qing lu"},
        {"重阳路", "zhong|chong yang lu"},
        {"长安街", "chang an jie"},
        {"长沙", "chang|zhang sha"},
        {"厦门大厦", "xia men da sha"},
        {"银行", "yin hang"},
        {"行知路", "xing|hang zhi lu"},
        {"乐山", "le|yue shan"},
        {"成都", "cheng du"},
        {"六安", "lu an"},
        {"六一路", "liu yi lu"},
        {"蚌埠", "beng bu"},
        {"朝阳门", "chao yang men"},
        // ü both ways; ASCII letters as themselves.
        {"绿岛", "lu|lv dao"},
        {"B区", "b qu"},
        {"东桥B区", "dong qiao b qu"},
        // Reading stops at a digit, a blank, a sign or anything not Han.
        {"第1中学", "di"},
        {"1号", ""},
        {"东 桥", "dong"},
        {"东桥（北）", "dong qiao"},
        {"École", ""},
        {"", ""},
        {"东\xE4\xB8", "dong"},  // a cut-off sequence ends it too
    };
    PinyinReader reader;
    for (const auto& [name, expected] : cases) {
        Syllables syllables;
        reader.read(name, syllables);
        EXPECT_EQ(joined(syllables), expected) << name;
    }
}

TEST(PlaceNameReadings, EveryEntryGivesEachCharacterLowerCaseReadingsOfAtMostSixLetters) {
    std::set<std::string_view> seen;
    for (const PlaceNameReading& entry : placeNameReadings()) {
        EXPECT_TRUE(seen.insert(entry.text).second) << entry.text << " twice";
        std::vector<std::string_view> characters;
        for (std::size_t at = 0; at < entry.text.size();) {
            std::size_t length = 1;
            while (at + length < entry.text.size() &&
                   (static_cast<unsigned char>(entry.text[at + length]) & 0xC0) == 0x80) {
                ++length;
            }
            characters.push_back(entry.text.substr(at, length));
            at += length;
        }
        std::size_t syllables = 0;
        for (std::size_t at = 0; at <= entry.readings.size(); ++syllables) {
            std::size_t end = entry.readings.find(' ', at);
            if (end == std::string_view::npos) end = entry.readings.size();
            forEachReading(entry.readings.substr(at, end - at), [&](std::string_view r) {
                EXPECT_TRUE(
                    !r.empty() && r.size() <= kLongestSyllable &&
                    std::all_of(r.begin(), r.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
                    << entry.text << ": \"" << r << "\"";
            });
            at = end + 1;
        }
        EXPECT_EQ(syllables, characters.size()) << entry.text;
    }
}

// The readings are taken from the rules in ICU's data; they must be what the transliterator
// itself gives, for every character of the sample city's names and a spread of all others.
TEST(HanReadings, RuleDataReadsAsTheTransliterator) {
    HanReadings readings;
    ASSERT_TRUE(readings.fromRuleData());
    std::set<char32_t> characters;
    BusData data(test::sampleCityFile());
    data.refresh();
    for (const auto& station : data.index().stations()) {
        for (const char* p = station.stna.data(); p < station.stna.data() + station.stna.size();) {
            const auto lead = static_cast<unsigned char>(*p);
            const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
            for (int k = 1; k < length; ++k) c = c << 6 | (static_cast<unsigned char>(p[k]) & 0x3F);
            if (c >= 0x80) characters.insert(c);
            p += length;
        }
    }
    ASSERT_GT(characters.size(), 100u);
    for (char32_t c = 0x3400; c <= 0x9FFF; c += 89) characters.insert(c);
    for (char32_t c : {U'绿', U'女', U'嗯', U'〇', U'a', U'é', U'，', U'\U00020000'})
        characters.insert(c);
    std::size_t read = 0;
    for (char32_t c : characters) {
        const std::string expected = transliteratedReadings(c);
        EXPECT_EQ(readings.of(c), expected) << "U+" << std::hex << static_cast<unsigned>(c);
        read += !expected.empty();
    }
    EXPECT_GT(read, characters.size() / 2);
    EXPECT_EQ(readings.of(U'绿'), "lu|lv");
    EXPECT_EQ(readings.of(U'中'), "zhong");
    EXPECT_EQ(readings.of(U'，'), "");
}

}  // namespace
}  // namespace busquery
