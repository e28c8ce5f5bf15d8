#include "query/ErrorReport.h"

#include <new>

#include "query/Words.h"

namespace busquery {
namespace {

// A message in the language: its words translated, each part said the same way, values as
// they are. A text without a translation stays Chinese, as everywhere.
std::string said(const ErrorText& text, Language language) {
    if (text.isValue) return text.words;
    std::vector<std::string> parts;
    parts.reserve(text.parts.size());
    for (const ErrorText& part : text.parts) parts.push_back(said(part, language));
    return fillParts(tr(language, "Error", text.words), parts);
}

}  // namespace

ErrorReport reportError(std::exception_ptr failure, Language language) {
    try {
        std::rethrow_exception(failure);
    } catch (const Error& error) {
        return {error.kind(),
                language == Language::Chinese ? error.what() : said(error.text(), language),
                error.detail()};
    } catch (const std::bad_alloc& error) {
        return {ErrorKind::OutOfMemory, tr(language, "Error", "内存不足，未能完成"), error.what()};
    } catch (const std::exception& error) {
        return {ErrorKind::ProgramFault, tr(language, "Error", "程序内部出错，未能完成"),
                error.what()};
    } catch (...) {
        return {ErrorKind::ProgramFault, tr(language, "Error", "程序内部出错，未能完成"),
                "an exception of unknown type"};
    }
}

}  // namespace busquery
