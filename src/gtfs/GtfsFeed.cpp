#include "gtfs/GtfsFeed.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

#include "store/Error.h"
#include "store/SystemErrorText.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

class FolderFileSource : public ByteSource {
  public:
    explicit FolderFileSource(const std::filesystem::path& file)
        : file_(file), stream_(std::fopen(file.c_str(), "rb")) {
        if (stream_ == nullptr) {
            throw Error(ErrorKind::ReadFailed,
                        {"无法打开文件 “%1”：%2",
                         {ErrorText::value(file_.string()), systemErrorText(errno)}});
        }
        std::error_code ec;
        size_ = std::filesystem::file_size(file_, ec);
        if (ec) size_ = 0;
    }
    ~FolderFileSource() override { std::fclose(stream_); }
    FolderFileSource(const FolderFileSource&) = delete;
    FolderFileSource& operator=(const FolderFileSource&) = delete;

    std::size_t read(char* buffer, std::size_t size) override {
        std::size_t got = std::fread(buffer, 1, size, stream_);
        if (got < size && std::ferror(stream_)) {
            throw Error(ErrorKind::ReadFailed,
                        {"无法读取文件 “%1”", {ErrorText::value(file_.string())}});
        }
        return got;
    }

    std::uint64_t size() const override { return size_; }

  private:
    std::filesystem::path file_;
    std::FILE* stream_;
    std::uint64_t size_ = 0;
};

std::string_view baseName(std::string_view entry) {
    std::size_t slash = entry.rfind('/');
    return slash == std::string_view::npos ? entry : entry.substr(slash + 1);
}

std::string_view folderOf(std::string_view entry) {
    std::size_t slash = entry.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : entry.substr(0, slash + 1);
}

// The folder inside the feed that holds stops.txt: the root when it is there, else the
// shallowest folder that has one (an unpacked or zipped feed folder), of several equally deep
// the first in name order, whatever order the archive or the file system lists them in.
// Folders of macOS resource forks are not the feed.
std::string feedFolder(const std::vector<std::string>& names) {
    std::string best;
    std::ptrdiff_t bestDepth = -1;
    for (const std::string& name : names) {
        std::string lower = asciiLower(name);
        if (baseName(lower) != "stops.txt" || lower.starts_with("__macosx/")) continue;
        std::string_view folder = folderOf(lower);
        const std::ptrdiff_t depth = std::count(folder.begin(), folder.end(), '/');
        if (bestDepth < 0 || depth < bestDepth || (depth == bestDepth && folder < best)) {
            best = folder;
            bestDepth = depth;
        }
    }
    return best;
}

// Calls `take(file name in lower case, index)` for each of `names` that lies in the feed folder.
template <typename Take>
void forEachFeedFile(const std::vector<std::string>& names, Take take) {
    const std::string folder = feedFolder(names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string lower = asciiLower(names[i]);
        if (folderOf(lower) == folder && !baseName(lower).empty()) {
            take(std::string(baseName(lower)), i);
        }
    }
}

}  // namespace

GtfsFeed::GtfsFeed(std::filesystem::path location) : location_(std::move(location)) {
    std::error_code ec;
    if (std::filesystem::is_directory(location_, ec)) {
        std::vector<std::string> names;
        std::vector<std::filesystem::path> paths;
        for (std::filesystem::recursive_directory_iterator it(location_, ec), end; !ec && it != end;
             it.increment(ec)) {
            std::error_code fileError;
            if (!it->is_regular_file(fileError)) continue;
            names.push_back(it->path().lexically_relative(location_).generic_string());
            paths.push_back(it->path());
        }
        if (ec)
            throw Error(ErrorKind::ReadFailed,
                        {"无法读取文件夹 “%1”：%2",
                         {ErrorText::value(location_.string()), systemErrorText(ec.value())}});
        forEachFeedFile(names, [&](std::string file, std::size_t i) {
            folderFiles_.emplace(std::move(file), paths[i]);
        });
        return;
    }
    if (!std::filesystem::exists(location_, ec)) {
        throw Error(ErrorKind::FileMissing,
                    {"GTFS 数据 “%1” 不存在", {ErrorText::value(location_.string())}});
    }
    zip_ = std::make_unique<ZipArchive>(location_);
    forEachFeedFile(zip_->entryNames(), [&](std::string file, std::size_t i) {
        zipEntries_.emplace(std::move(file), i);
    });
}

GtfsFeed::~GtfsFeed() = default;

bool GtfsFeed::has(std::string_view fileName) const {
    std::string key = asciiLower(fileName);
    return zip_ ? zipEntries_.contains(key) : folderFiles_.contains(key);
}

std::unique_ptr<ByteSource> GtfsFeed::open(std::string_view fileName) const {
    std::string key = asciiLower(fileName);
    if (zip_) {
        auto it = zipEntries_.find(key);
        if (it != zipEntries_.end()) return zip_->open(it->second);
    } else {
        auto it = folderFiles_.find(key);
        if (it != folderFiles_.end()) return std::make_unique<FolderFileSource>(it->second);
    }
    throw Error(ErrorKind::FeedFileMissing,
                {"GTFS 数据 “%1” 缺少必需的文件 %2",
                 {ErrorText::value(location_.string()), ErrorText::value(std::string(fileName))}});
}

}  // namespace busquery
