#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace busquery {

// The pinyin readings ICU's Han-Latin transliterator gives Han characters, tone marks removed:
// lower-case ASCII letters, alternatives separated by "|". A reading with ü is given both as u
// and as v, as travellers type it (绿 "lu|lv"). A character the transliterator leaves as it is
// (anything but Han) has no reading.
//
// Compiling the transliterator's rules costs ICU some 130 ms, once per process: more than the
// whole pinyin index. So the readings are taken from the very rules in ICU's data, which map
// sets of characters to readings ("[东冬…]→dōng;"), without compiling them. Should those rules
// not be readable in that form, the transliterator itself reads each character, once.
class HanReadings {
  public:
    HanReadings();
    ~HanReadings();
    HanReadings(HanReadings&&) noexcept;
    HanReadings& operator=(HanReadings&&) noexcept;

    // The readings of c; empty when it has none. The view lives as long as this object.
    std::string_view of(char32_t c);

    // Whether the readings come from ICU's rule data rather than from the transliterator.
    bool fromRuleData() const;

  private:
    struct Transliteration;
    std::unique_ptr<Transliteration> transliteration_;  // only when the rule data is unusable
};

// The readings of c as the Han-Latin transliterator itself gives them, in the form above. Slow
// (the transliterator is compiled on first use); tests compare the rule data with it.
std::string transliteratedReadings(char32_t c);

}  // namespace busquery
