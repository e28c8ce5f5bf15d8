#include "search/HanReadings.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/udata.h>
#include <unicode/unistr.h>
#include <unicode/ures.h>

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "search/PinyinText.h"
#include "store/Error.h"

namespace busquery {
namespace {

constexpr UChar kArrow = 0x2192;  // "→", between a rule's characters and their reading

// The readings of one reading as ICU writes it ("lǜ"): its letters without the marks, and
// with ü once as u and once as v. Empty when it holds anything but Latin letters and marks,
// or more letters than a syllable has.
std::string toneless(const icu::UnicodeString& reading) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status)) return {};
    const icu::UnicodeString decomposed = nfd->normalize(reading, status);
    if (U_FAILURE(status)) return {};
    std::string letters;
    std::size_t umlaut = std::string::npos;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        i += U16_LENGTH(c);
        if (c >= 'a' && c <= 'z') {
            letters += static_cast<char>(c);
        } else if (c >= 'A' && c <= 'Z') {
            letters += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0x0308 && !letters.empty() && letters.back() == 'u') {
            umlaut = letters.size() - 1;
        } else if (u_charType(c) != U_NON_SPACING_MARK) {
            return {};
        }
    }
    if (letters.size() > kLongestSyllable) return {};
    if (umlaut == std::string::npos) return letters;
    std::string withV = letters;
    withV[umlaut] = 'v';
    return letters + "|" + withV;
}

struct BundleCloser {
    void operator()(UResourceBundle* bundle) const { ures_close(bundle); }
};
using Bundle = std::unique_ptr<UResourceBundle, BundleCloser>;

// The rule text of the Han-Latin transliterator as ICU's data holds it; empty when not there.
icu::UnicodeString hanLatinRules() {
    UErrorCode status = U_ZERO_ERROR;
    Bundle bundle(
        ures_openDirect(U_ICUDATA_NAME U_TREE_SEPARATOR_STRING "translit", "root", &status));
    for (const char* key : {"RuleBasedTransliteratorIDs", "Hani-Latn", "file"}) {
        if (U_FAILURE(status)) return {};
        bundle.reset(ures_getByKey(bundle.get(), key, nullptr, &status));
    }
    int32_t length = 0;
    const UChar* rules = ures_getStringByKey(bundle.get(), "resource", &length, &status);
    if (U_FAILURE(status)) return {};
    return icu::UnicodeString(rules, length);
}

// The readings of every character of the rules. The rules name some 40,000 characters, up to
// the third plane: a table by code point fills and answers faster than a hash map.
struct RuleData {
    std::vector<std::uint16_t> readingOf;  // by code point: 1 + index into readings, or 0
    std::vector<std::string> readings;

    std::string_view of(char32_t c) const {
        const std::uint16_t id = c < readingOf.size() ? readingOf[c] : 0;
        return id == 0 ? std::string_view() : std::string_view(readings[id - 1]);
    }
};

bool isRuleBlank(UChar c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Reads the rules "[characters]→reading;", where the characters may hold ranges "a-b". The
// step that puts blanks between Han characters ("::…;") and the four rules that read a
// character otherwise before one particular other ("重 } 庆 →chóng") are left out: words are
// the place-name table's task. Nothing when any rule has another shape, so that a change of
// the data's form falls back to the transliterator instead of giving wrong readings.
std::unique_ptr<RuleData> readRuleData() {
    const icu::UnicodeString rules = hanLatinRules();
    auto data = std::make_unique<RuleData>();
    std::unordered_map<std::string, std::uint16_t> ids;
    for (int32_t at = 0; at < rules.length();) {
        int32_t end = rules.indexOf(u';', at);
        if (end < 0) end = rules.length();
        int32_t from = at;
        at = end + 1;
        while (from < end && isRuleBlank(rules[from])) ++from;
        int32_t last = end;
        while (last > from && isRuleBlank(rules[last - 1])) --last;
        if (from == last || (rules[from] == u':' && rules[from + 1] == u':')) continue;
        if (rules[from] != u'[') {
            const int32_t context = rules.indexOf(u'}', from);
            if (context >= 0 && context < last) continue;
            return nullptr;
        }
        const int32_t close = rules.indexOf(u']', from);
        if (close < 0 || close + 1 >= last || rules[close + 1] != kArrow) return nullptr;
        const std::string reading = toneless(rules.tempSubStringBetween(close + 2, last));
        if (reading.empty()) return nullptr;
        const auto [id, added] =
            ids.emplace(reading, static_cast<std::uint16_t>(data->readings.size() + 1));
        if (added) data->readings.push_back(reading);
        if (data->readings.size() == 0xFFFF) return nullptr;

        for (int32_t i = from + 1; i < close;) {
            const UChar32 low = rules.char32At(i);
            if (low == '\\' || low == '[' || low == '^' || low == '$' || low == '{') return nullptr;
            i += U16_LENGTH(low);
            UChar32 high = low;
            if (i + 1 < close && rules[i] == u'-') {
                high = rules.char32At(i + 1);
                i += 1 + U16_LENGTH(high);
            }
            if (high >= 0x40000) return nullptr;
            if (static_cast<std::size_t>(high) >= data->readingOf.size()) {
                data->readingOf.resize(std::max<std::size_t>(high + 1, 0x20000));
            }
            // The first rule that names a character is the one the transliterator applies.
            for (UChar32 c = low; c <= high; ++c) {
                if (data->readingOf[c] == 0) data->readingOf[c] = id->second;
            }
        }
    }
    if (data->of(U'中') != "zhong") return nullptr;
    return data;
}

const RuleData* ruleData() {
    static const std::unique_ptr<const RuleData> data = readRuleData();
    return data.get();
}

std::unique_ptr<icu::Transliterator> createHanLatin() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> transliterator(
        icu::Transliterator::createInstance("Han-Latin", UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !transliterator) {
        throw Error(ErrorKind::ReadFailed, "无法加载 ICU 的汉字拼音转写规则（Han-Latin）");
    }
    return transliterator;
}

std::string transliterate(const icu::Transliterator& transliterator, char32_t c) {
    icu::UnicodeString text(static_cast<UChar32>(c));
    const icu::UnicodeString original = text;
    transliterator.transliterate(text);
    return text == original ? std::string() : toneless(text);
}

}  // namespace

struct HanReadings::Transliteration {
    std::unique_ptr<icu::Transliterator> transliterator = createHanLatin();
    std::unordered_map<char32_t, std::string> cache;
};

HanReadings::HanReadings() {
    if (!ruleData()) transliteration_ = std::make_unique<Transliteration>();
}

HanReadings::~HanReadings() = default;
HanReadings::HanReadings(HanReadings&&) noexcept = default;
HanReadings& HanReadings::operator=(HanReadings&&) noexcept = default;

std::string_view HanReadings::of(char32_t c) {
    if (const RuleData* data = ruleData()) return data->of(c);
    auto [slot, added] = transliteration_->cache.try_emplace(c);
    if (added) slot->second = transliterate(*transliteration_->transliterator, c);
    return slot->second;
}

bool HanReadings::fromRuleData() const {
    return !transliteration_;
}

std::string transliteratedReadings(char32_t c) {
    static const std::unique_ptr<icu::Transliterator> transliterator = createHanLatin();
    return transliterate(*transliterator, c);
}

}  // namespace busquery
