#include "network/BusData.h"

namespace busquery {

BusData::BusData(std::filesystem::path file) : file_(std::move(file)) {}

void BusData::refresh() {
    auto identity = FileIdentity::of(file_);
    if (identity && loaded_ == identity && index_) return;

    // The identity is taken before the file is opened: a change made while the index is being
    // built makes the next refresh build it again.
    loaded_.reset();
    index_.reset();
    database_.reset();
    auto database = std::make_unique<BusDatabase>(file_);
    auto index = std::make_unique<NetworkIndex>(NetworkIndex::build(*database));
    database_ = std::move(database);
    index_ = std::move(index);
    loaded_ = identity;
}

}  // namespace busquery
