#pragma once

#include <filesystem>

#include "store/BusDataRows.h"

namespace busquery {

// Writes rows as the bus database at path, in the order given (the table order queries rely
// on). The file is built under a temporary name beside path and moved there only when complete:
// an existing file at path is replaced by the complete new one, and kept as it was when the
// write fails or is interrupted. path is checked (see StagedFile) before anything is written.
// Throws Error naming the file and the problem.
void writeBusData(const std::filesystem::path& path, const BusDataRows& rows);

}  // namespace busquery
