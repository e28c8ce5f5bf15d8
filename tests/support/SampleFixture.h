#pragma once

#include <filesystem>

namespace busquery::test {

// The shipped sample city (seed 2009, scale 1), generated once per test program into a folder
// that lives until the program ends. Tests read it; none may change it.
const std::filesystem::path& sampleCityFile();

}  // namespace busquery::test
