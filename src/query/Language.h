#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace busquery {

// The language the answers are written in. Chinese is the program's own: its texts are the
// ones every answer has always had; the others are translations of them.
enum class Language { Chinese, English };

// "zh" and "en", as --lang takes them; nothing for a language without a translation.
std::optional<Language> languageNamed(std::string_view code);

// The first of the desktop's interface languages, most wanted first ("en_GB.UTF-8", "zh-CN",
// "de"), that the program speaks; Chinese when it speaks none of them.
Language interfaceLanguage(const std::vector<std::string_view>& uiLanguages);

}  // namespace busquery
