#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace busquery {

// Rows of one feed file that share one problem.
struct RowIssue {
    std::string file;
    std::string reason;
    std::uint64_t count = 0;
    std::string example;  // where the first such row is and what it holds, shown safely
};

// A name the feed gives to several stations and the names they were given instead.
struct NamedApart {
    std::string name;
    std::vector<std::string> names;  // in station order
};

// What an import wrote and what it left out or read differently, and why.
struct ImportSummary {
    std::filesystem::path out;
    std::string citycode;
    std::string date;
    // The first and last day the feed's calendar runs a trip (2024.3.5); empty without one.
    std::string firstServiceDay;
    std::string lastServiceDay;
    std::uint64_t routes = 0;            // routes that gave at least one line
    std::uint64_t lines = 0;             // nlninfo rows
    std::uint64_t branchLines = 0;       // of them, lines of a route's branches
    std::uint64_t stations = 0;          // nstinfo rows
    std::uint64_t trips = 0;             // trips whose stops were read
    std::uint64_t tripsInOrder = 0;      // of them, trips a line of their route carries end to end
    std::uint64_t stopTimes = 0;         // stop_times rows read into those trips
    std::uint64_t positions = 0;         // nstpos rows: stations with a position
    std::uint64_t mergedLines = 0;       // lines that repeated another and were merged into it
    std::uint64_t walks = 0;             // nstwalk rows
    std::uint64_t englishNames = 0;      // nsttrans rows: stations with an English name
    std::uint64_t englishLineNames = 0;  // nlntrans rows: route names with an English name
    std::vector<NamedApart> namesApart;  // names given to places far apart, named apart
    // Lines that repeat another's name with nothing to tell them apart, named with a number.
    std::vector<std::string> numberedLines;

    // The timetable: nlntrip rows (a frequency trip's departures each one) and their stop times.
    std::uint64_t timetableTrips = 0;
    std::uint64_t timetableStopTimes = 0;
    bool calendarGiven = true;  // false: no calendar files, every trip runs every day

    std::vector<RowIssue> skipped;   // left out, in the order first met
    std::vector<RowIssue> adjusted;  // kept, with a value read the way the reason says

    // line 0 when the problem belongs to no single line; value is what the field holds.
    void skip(std::string_view file, std::string_view reason, std::uint64_t line,
              std::string_view field, std::string_view value);
    void adjust(std::string_view file, std::string_view reason, std::uint64_t line,
                std::string_view field, std::string_view value);
    // count items left out at once, for what is counted rather than met row by row.
    void skipMany(std::uint64_t count, std::string_view file, std::string_view reason,
                  std::string_view field, std::string_view value);

    // The summary shown at the end of an import.
    std::string text() const;
};

}  // namespace busquery
