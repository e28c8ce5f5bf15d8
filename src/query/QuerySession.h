#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "network/BusData.h"
#include "query/Query.h"

namespace busquery {

// What a front end holds to ask questions of one bus data file: the file, opened on first use
// and refreshed by every query, and the queries over it. The window and the CLI each keep one
// for as long as they run, so the network index is built once and rebuilt only when the file
// changes. Nothing is read when it is made; a file that cannot be used throws Error at the
// first query.
class QuerySession {
  public:
    explicit QuerySession(std::filesystem::path file) : file_(std::move(file)) {}

    // Where a program finds its busdata when nothing names one: beside its executable, else in
    // its install's data folder.
    static std::filesystem::path defaultFile();

    const std::filesystem::path& file() const { return file_; }

    // A query with a state of its own over this session's data. The session must outlive it.
    Query query() { return Query(data()); }

    // What the loaded file held that the searches leave out: rows of nstwalk without a whole
    // number of metres or a station name, and walks beyond the bound per station.
    struct LeftOut {
        std::uint64_t walksWithoutLength = 0;
        std::uint64_t walksBeyondBound = 0;
        std::uint32_t mostWalksPerStation = 0;
    };
    // Valid after a query that did not throw.
    LeftOut leftOut();

    // The last station of a line by its name, for answers that name a line's direction.
    LineTerminus lineTerminus() { return lineTerminusIn(data()); }

  private:
    BusData& data();

    std::filesystem::path file_;
    std::unique_ptr<BusData> data_;
};

}  // namespace busquery
