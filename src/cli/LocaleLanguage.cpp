#include "cli/LocaleLanguage.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace busquery::cli {
namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

Language localeLanguage() {
    std::string_view messages = variable("LC_ALL");
    if (messages.empty()) messages = variable("LC_MESSAGES");
    if (messages.empty()) messages = variable("LANG");
    std::vector<std::string_view> wanted;
    const bool plain =
        messages.empty() || messages == "C" || messages.starts_with("C.") || messages == "POSIX";
    if (!plain) {
        std::string_view list = variable("LANGUAGE");
        while (!list.empty()) {
            const auto colon = list.find(':');
            wanted.push_back(list.substr(0, colon));
            list = colon == std::string_view::npos ? "" : list.substr(colon + 1);
        }
        wanted.push_back(messages);
    }
    return interfaceLanguage(wanted);
}

}  // namespace busquery::cli
