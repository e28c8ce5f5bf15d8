#include "db/ConnectionString.h"

#include "db/AsciiCase.h"
#include "db/DatabaseError.h"

namespace busquery {

std::string connectionString(const std::filesystem::path& programFolder) {
    return "DRIVER={Microsoft Access Driver (*.mdb)}; dbq=" + programFolder.string() +
           "/busdata;pwd=青山绿水长流";
}

std::filesystem::path dbqPath(std::string_view connection) {
    std::size_t start = 0;
    while (start <= connection.size()) {
        std::size_t end = connection.find(';', start);
        if (end == std::string_view::npos) end = connection.size();
        std::string_view part = trimBlanks(connection.substr(start, end - start));
        auto eq = part.find('=');
        if (eq != std::string_view::npos &&
            equalsIgnoreAsciiCase(trimBlanks(part.substr(0, eq)), "dbq")) {
            return std::filesystem::path(std::string(trimBlanks(part.substr(eq + 1))));
        }
        start = end + 1;
    }
    throw DatabaseError("连接字符串中没有数据文件路径（dbq）");
}

}  // namespace busquery
