#include "store/ProgramFolder.h"

namespace busquery {
namespace {

// The way from the install's program folder to its data folder, BUSQUERY_DATA_FROM_PROGRAM,
// comes from the install layout the build chose; it is relative, so an install works wherever
// its prefix lies.
bool present(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

}  // namespace

std::filesystem::path programFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path installDataFolder(const std::filesystem::path& folder) {
    return (folder / BUSQUERY_DATA_FROM_PROGRAM).lexically_normal();
}

std::filesystem::path dataFileFor(const std::filesystem::path& folder) {
    const auto beside = folder / "busdata";
    if (present(beside)) return beside;
    const auto installed = installDataFolder(folder) / "busdata";
    return present(installed) ? installed : beside;
}

std::filesystem::path defaultDataFile() {
    return dataFileFor(programFolder());
}

}  // namespace busquery
