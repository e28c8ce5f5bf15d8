#include "store/ProgramFolder.h"

namespace busquery {

std::filesystem::path programFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path defaultDataFile() {
    return programFolder() / "busdata";
}

}  // namespace busquery
