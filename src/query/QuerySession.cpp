#include "query/QuerySession.h"

#include "store/ProgramFolder.h"

namespace busquery {

std::filesystem::path QuerySession::defaultFile() {
    return defaultDataFile();
}

BusData& QuerySession::data() {
    if (!data_) data_ = std::make_unique<BusData>(file_);
    return *data_;
}

QuerySession::LeftOut QuerySession::leftOut() {
    const NetworkIndex& index = data().index();
    return {index.walksWithoutLength(), index.walksBeyondBound(),
            NetworkIndex::kMostWalksPerStation};
}

}  // namespace busquery
