#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "network/NetworkIndex.h"
#include "store/BusDatabase.h"
#include "store/FileIdentity.h"

namespace busquery {

// busdata as the queries see it: the open database and the network index of its current
// content. refresh() checks the file's identity (a stat and a read of the database header) and
// reopens and rebuilds when the file changed, so every query answers from what the file holds
// now.
class BusData {
  public:
    explicit BusData(std::filesystem::path file);

    const std::filesystem::path& file() const { return file_; }

    // Throws Error naming the file and the problem when it cannot be used.
    void refresh();

    // Valid after a refresh() that did not throw.
    BusDatabase& database() { return *database_; }
    const NetworkIndex& index() const { return *index_; }

  private:
    std::filesystem::path file_;
    std::optional<FileIdentity> loaded_;
    std::unique_ptr<OpenedFile> header_;  // the loaded file, for reading its header cheaply
    std::unique_ptr<BusDatabase> database_;
    std::unique_ptr<NetworkIndex> index_;
};

}  // namespace busquery
