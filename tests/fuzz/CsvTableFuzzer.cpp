// A feed's CSV table read from memory in chunks of a size the first byte picks, so that quotes,
// line ends and the byte order mark fall across chunk boundaries. Records come in file order,
// on a line the file has, and no field exceeds the limits.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "gtfs/CsvTable.h"
#include "store/Error.h"

namespace {

class MemorySource : public busquery::ByteSource {
  public:
    MemorySource(std::string_view bytes, std::size_t chunk) : bytes_(bytes), chunk_(chunk) {}

    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, chunk_, bytes_.size()});
        std::memcpy(buffer, bytes_.data(), count);
        bytes_.remove_prefix(count);
        return count;
    }
    std::uint64_t size() const override { return total_; }

  private:
    std::string_view bytes_;
    std::size_t chunk_;
    std::uint64_t total_ = bytes_.size();
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t chunk = 1 + data[0] % 64;
    const std::string_view text = busquery::fuzz::inputText(data + 1, size - 1);
    try {
        busquery::CsvTable table("stops.txt", std::make_unique<MemorySource>(text, chunk),
                                 [](const busquery::SkippedRecord& skipped) {
                                     if (skipped.reason.empty()) busquery::fuzz::fault();
                                 });
        const auto id = table.column("stop_id");
        const auto name = table.column("stop_name");
        // Lines end with LF: records that end with a lone CR share their line.
        const auto lines = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
        std::uint64_t lastLine = 1;
        table.forEachRow([&](const busquery::CsvRow& row) {
            if (row.line() < lastLine || row.line() > lines + 1) busquery::fuzz::fault();
            lastLine = row.line();
            if (row[id].size() > busquery::kMaxFieldBytes ||
                row[name].size() > busquery::kMaxFieldBytes) {
                busquery::fuzz::fault();
            }
        });
    } catch (const busquery::Error&) {
        // An empty table or an oversized header: reported to the user, as it should be.
    }
    return 0;
}
