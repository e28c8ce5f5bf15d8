#include "support/TempDir.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>

namespace busquery::test {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "busquery-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace busquery::test
