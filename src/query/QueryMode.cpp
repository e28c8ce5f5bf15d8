#include "query/QueryMode.h"

namespace busquery {

std::string_view modeName(QueryMode mode) {
    switch (mode) {
        case QueryMode::Line:
            return "line";
        case QueryMode::SingleStation:
            return "singleST";
        case QueryMode::MultiStation:
            return "multiST";
        case QueryMode::None:
            break;
    }
    return "";
}

}  // namespace busquery
