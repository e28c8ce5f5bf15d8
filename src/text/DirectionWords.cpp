#include "text/DirectionWords.h"

#include "text/Text.h"

namespace busquery {

std::string withoutDirectionWords(std::string_view lineText) {
    return removeAll(removeAll(lineText, "上行"), "下行");
}

}  // namespace busquery
