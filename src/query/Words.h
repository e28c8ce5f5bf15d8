#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "query/Language.h"

namespace busquery {

// A fixed text of the interface in a language. The Chinese text is the key, as Qt's tr() uses
// it; the context names where it is used ("Renderer"), so that one Chinese word may read
// differently in two places. %1 to %9 stand for args in order. A text without a translation
// stays Chinese, as Qt leaves it.
std::string tr(Language language, std::string_view context, std::string_view source,
               std::initializer_list<std::string_view> args = {});

// The same for a text that depends on a count: %n stands for count, and the translation's
// singular or plural form is chosen by it.
std::string trCount(Language language, std::string_view context, std::string_view source,
                    long long count, std::initializer_list<std::string_view> args = {});

}  // namespace busquery
