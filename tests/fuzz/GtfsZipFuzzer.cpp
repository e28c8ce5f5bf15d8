// A whole feed as a zip archive, imported into a new bus database. A failed import leaves no
// file behind; a finished one leaves exactly the database.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "gtfs/GtfsImporter.h"
#include "store/Error.h"
#include "support/TempDir.h"

#include "FuzzInput.h"

namespace {

std::size_t filesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const busquery::test::TempDir dir;
    const auto feed = dir / "feed.zip";
    const auto out = dir / "busdata";
    std::ofstream(feed, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    busquery::GtfsImportOptions options;
    options.feed = feed;
    options.out = out;
    options.date = "2026.1.1";
    bool imported = false;
    try {
        busquery::importGtfs(options);
        imported = true;
    } catch (const busquery::Error&) {
        // Bad archives and feeds without a usable line are reported to the user.
    }
    if (std::filesystem::exists(out) != imported) busquery::fuzz::fault();
    if (filesIn(dir.path()) != (imported ? 2 : 1)) busquery::fuzz::fault();
    std::filesystem::remove(out);
    std::filesystem::remove(feed);
    return 0;
}
