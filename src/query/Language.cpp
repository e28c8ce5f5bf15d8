#include "query/Language.h"

namespace busquery {

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "zh") return Language::Chinese;
    if (code == "en") return Language::English;
    return std::nullopt;
}

Language interfaceLanguage(const std::vector<std::string_view>& uiLanguages) {
    for (std::string_view name : uiLanguages) {
        // The language is what comes before the territory, the codeset and the modifier.
        const auto end = name.find_first_of("_-.@");
        if (auto language = languageNamed(name.substr(0, end))) return *language;
    }
    return Language::Chinese;
}

}  // namespace busquery
