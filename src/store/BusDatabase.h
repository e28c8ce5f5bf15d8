#pragma once

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/Error.h"

namespace busquery {

// The connection to one busdata file (cnnBus). The file is opened read-only and never written,
// so a crash leaves nothing behind and the program runs from a read-only folder.
// Every failure is a Error whose message names the file and the problem.
class BusDatabase {
  public:
    explicit BusDatabase(std::filesystem::path file);

    const std::filesystem::path& file() const { return file_; }
    SQLite::Database& connection() { return db_; }

    // The line names of table no, in table order (select * from no).
    std::vector<std::string> lineIds();
    // The data date: column date of the dbdate row whose id is 1, as text.
    std::string dataDate();

    // Turns a failure of SQLite into a Error that names this file.
    [[noreturn]] void fail(const std::exception& error) const;
    [[noreturn]] void fail(ErrorKind kind, std::string_view problem) const;

  private:
    void checkSchema();

    std::filesystem::path file_;
    SQLite::Database db_;
};

}  // namespace busquery
