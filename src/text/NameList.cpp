#include "text/NameList.h"

namespace busquery {

std::vector<std::string> readNameList(std::string_view list) {
    const std::vector<std::string_view> pieces = nameListViews(list);
    return {pieces.begin(), pieces.end()};
}

std::vector<std::string_view> nameListViews(std::string_view list) {
    std::vector<std::string_view> names;
    std::size_t start = 0;
    while (true) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos) {
            if (start < list.size()) names.emplace_back(list.substr(start));
            return names;
        }
        names.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace busquery
