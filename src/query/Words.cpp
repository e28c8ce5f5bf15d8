#include "query/Words.h"

#include <string>
#include <unordered_map>

#include "query/TranslatedWord.h"

namespace busquery {
namespace {

std::string key(std::string_view context, std::string_view source) {
    std::string joined(context);
    joined += '\x1f';
    joined += source;
    return joined;
}

std::string_view translation(Language language, std::string_view context, std::string_view source) {
    if (language == Language::Chinese) return source;
    static const auto* const english = [] {
        auto* table = new std::unordered_map<std::string, std::string_view>;
        for (const TranslatedWord& word : englishWords()) {
            table->emplace(key(word.context, word.source), word.translation);
        }
        return table;
    }();
    const auto found = english->find(key(context, source));
    return found == english->end() ? source : found->second;
}

// Qt's rule for the languages the program speaks: the first form for one, the second for
// every other count; a text with one form has it for all.
std::string_view numerusForm(std::string_view forms, long long count) {
    const auto separator = forms.find(kNumerusSeparator);
    if (separator == std::string_view::npos) return forms;
    return count == 1 ? forms.substr(0, separator) : forms.substr(separator + 1);
}

std::string fill(std::string_view text, std::initializer_list<std::string_view> args,
                 const std::string* count) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
                out += args.begin()[next - '1'];
                ++i;
                continue;
            }
            if (next == 'n' && count) {
                out += *count;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

std::string tr(Language language, std::string_view context, std::string_view source,
               std::initializer_list<std::string_view> args) {
    return fill(translation(language, context, source), args, nullptr);
}

std::string trCount(Language language, std::string_view context, std::string_view source,
                    long long count, std::initializer_list<std::string_view> args) {
    const std::string number = std::to_string(count);
    return fill(numerusForm(translation(language, context, source), count), args, &number);
}

}  // namespace busquery
