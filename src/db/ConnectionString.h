#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace busquery {

// The connection string keeps the form the data set has always been reached with; only its
// dbq path matters here, the driver and password parts belong to the old engine.
std::string connectionString(const std::filesystem::path& programFolder);

// The value of the dbq key (case-insensitive key, value up to the next ';'), trimmed of blanks.
// Throws DatabaseError when the string has no dbq key.
std::filesystem::path dbqPath(std::string_view connection);

}  // namespace busquery
