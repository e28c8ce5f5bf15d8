#pragma once

#include <filesystem>

namespace busquery {

// The folder of the running executable, where busdata lives.
std::filesystem::path programFolder();

// busdata in the program folder.
std::filesystem::path defaultDataFile();

}  // namespace busquery
