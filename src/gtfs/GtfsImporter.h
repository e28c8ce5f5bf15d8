#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "gtfs/CsvTable.h"
#include "gtfs/ImportSummary.h"
#include "store/BusDatabase.h"
#include "store/City.h"

namespace busquery {

struct GtfsImportOptions {
    std::filesystem::path feed;  // a GTFS .zip or a folder of its .txt files
    std::filesystem::path out;   // the bus database to write
    std::string citycode = std::string(kCityCode);
    // The city's name as its travellers say it ("Vilnius"), for the window's title and banner;
    // else the feed's first agency's name.
    std::optional<std::string> cityName;
    // The data date; else the feed's feed_start_date, else the start of its timetable
    // (ServiceDays::timetableStart), else the day of the import.
    std::optional<std::string> date;
};

// Imports a GTFS feed as a new bus database at options.out. The database is written beside it
// under a temporary name and moved there only when complete: a failed or interrupted import
// leaves no file behind and an existing out as it was. out is checked before the feed is read.
// Rows the import cannot use, rows too large to read among them, are skipped and counted in the
// summary. Throws Error, naming the file and the problem, for an out that cannot be written, a
// missing required file or column, a feed without any usable line, or a read or write failure.
// stopTimesProgress is told how far stop_times.txt, by far the largest file, has been read.
ImportSummary importGtfs(const GtfsImportOptions& options,
                         const ReadProgress& stopTimesProgress = {});

}  // namespace busquery
