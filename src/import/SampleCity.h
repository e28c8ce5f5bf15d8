#pragma once

#include <cstdint>
#include <filesystem>

namespace busquery {

struct SampleCityOptions {
    std::uint64_t seed = 2009;
    int scale = 1;  // about scale times the stations and lines of the shipped sample
};

// Writes the generated sample city as a new bus database at out (which must not exist).
// The same options always give the same file content.
void writeSampleCity(const std::filesystem::path& out, const SampleCityOptions& options);

}  // namespace busquery
