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
};

// Rows written: stations of nstinfo, lines of nlninfo (each direction is a row of its own).
struct SampleCitySize {
    std::size_t stations = 0;
    std::size_t lines = 0;
};

// Writes the generated sample city as the bus database at out (see writeBusData: an existing
// file is replaced once the new one is complete). The same options always give the same file
// content.
SampleCitySize writeSampleCity(const std::filesystem::path& out, const SampleCityOptions& options);

}  // namespace busquery
