#include "network/BusData.h"

namespace busquery {

BusData::BusData(std::filesystem::path file) : file_(std::move(file)) {}

void BusData::refresh() {
    auto identity = FileIdentity::of(file_, header_.get());
    if (identity && loaded_ == identity && index_) return;

    // The identity is taken before the file is opened: a change made while the index is being
    // built makes the next refresh build it again.
    loaded_.reset();
    header_.reset();
    index_.reset();
    database_.reset();
    auto database = std::make_unique<BusDatabase>(file_);
    auto index = std::make_unique<NetworkIndex>(NetworkIndex::build(*database));
    database_ = std::move(database);
    index_ = std::move(index);
    loaded_ = identity;
    header_ = std::make_unique<OpenedFile>(file_);
}

}  // namespace busquery
