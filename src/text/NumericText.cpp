#include "text/NumericText.h"

#include "text/AsciiCase.h"

namespace busquery {

bool isNumericText(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

}  // namespace busquery
