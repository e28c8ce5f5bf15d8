#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/BusDataRows.h"
#include "store/BusDatabaseWriter.h"

namespace busquery::test {

// A small bus database described in a test and written to a file.
struct TestCity {
    std::vector<std::string> lineIds;
    std::string date = "2009.1.6";
    std::vector<LineRow> lines;
    std::vector<StationRow> stations;

    // Adds a line of the city; lnid follows the order of adding unless given.
    TestCity& line(std::string lnna, std::string passstna, std::string fltime = "",
                   long long lnid = -1, std::string citycode = "velmorina");
    TestCity& station(std::string stna, std::string passlnna, std::string rdna = "",
                      std::string near = "");

    // Writes the database as file (which must not exist) and returns its path.
    std::filesystem::path write(const std::filesystem::path& file) const;
};

// Writes every table of rows (timetables included) as file, which must not exist, the way the
// importer and the generator write theirs, and returns its path.
std::filesystem::path writeRows(const std::filesystem::path& file, const BusDataRows& rows);

}  // namespace busquery::test
