#pragma once

#include <filesystem>

namespace busquery {

// The folder of the running executable.
std::filesystem::path programFolder();

// The data folder of the install a program in folder belongs to: <prefix>/share/busquery for a
// program in <prefix>/bin.
std::filesystem::path installDataFolder(const std::filesystem::path& folder);

// Where a program in folder finds its busdata: beside it, else in its install's data folder.
// When neither exists, the file beside it, so that a message names the place looked first.
std::filesystem::path dataFileFor(const std::filesystem::path& folder);

// dataFileFor(programFolder()).
std::filesystem::path defaultDataFile();

}  // namespace busquery
