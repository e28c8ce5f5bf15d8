#include "text/NaturalOrder.h"

namespace busquery {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view digitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end])) ++end;
    return text.substr(from, end - from);
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

}  // namespace

int naturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::string_view runA = digitRun(a, i);
            std::string_view runB = digitRun(b, j);
            std::string_view valueA = withoutLeadingZeros(runA);
            std::string_view valueB = withoutLeadingZeros(runB);
            if (valueA.size() != valueB.size()) return valueA.size() < valueB.size() ? -1 : 1;
            if (int order = valueA.compare(valueB); order != 0) return order;
            i += runA.size();
            j += runB.size();
            continue;
        }
        auto byteA = static_cast<unsigned char>(a[i]);
        auto byteB = static_cast<unsigned char>(b[j]);
        if (byteA != byteB) return byteA < byteB ? -1 : 1;
        ++i;
        ++j;
    }
    bool restA = i < a.size();
    bool restB = j < b.size();
    if (restA != restB) return restA ? 1 : -1;
    return a.compare(b);
}

}  // namespace busquery
