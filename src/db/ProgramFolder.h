#pragma once

#include <filesystem>

namespace busquery {

// The folder of the running executable, where busdata lives.
std::filesystem::path programFolder();

// busdata in the program folder, reached as the data set has always been: through the dbq
// path of the connection string.
std::filesystem::path defaultDataFile();

}  // namespace busquery
