#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace busquery {

inline constexpr int kMaxSampleScale = 20;

struct SampleCityOptions {
    std::uint64_t seed = 2009;
    int scale =
        1;  // about scale times the stations and lines of the shipped sample, 1 to kMaxSampleScale
    // Also the trips of every line (see addSampleTrips); the rest of the file stays the same.
    bool timetables = false;
};

// Rows written: stations of nstinfo, lines of nlninfo (each direction is a row of its own).
struct SampleCitySize {
    std::size_t stations = 0;
    std::size_t lines = 0;
    std::size_t trips = 0;
    std::size_t stopTimes = 0;
};

// Writes the generated sample city as the bus database at out (see writeBusData: an existing
// file is replaced once the new one is complete). The same options always give the same file
// content.
SampleCitySize writeSampleCity(const std::filesystem::path& out, const SampleCityOptions& options);

}  // namespace busquery
