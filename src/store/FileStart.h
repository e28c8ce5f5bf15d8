#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace busquery {

// Up to count bytes from the start of a regular file (fewer when the file is shorter); nothing
// when it cannot be opened or read. Opens without blocking, so a pipe put in the file's place
// never stalls the caller.
std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t count);

}  // namespace busquery
