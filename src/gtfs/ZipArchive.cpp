#include "gtfs/ZipArchive.h"

#include <zip.h>

#include "store/Error.h"

namespace busquery {
namespace {

class ZipEntrySource : public ByteSource {
  public:
    ZipEntrySource(zip_file_t* file, std::uint64_t size, std::string description)
        : file_(file), size_(size), description_(std::move(description)) {}
    ~ZipEntrySource() override { zip_fclose(file_); }
    ZipEntrySource(const ZipEntrySource&) = delete;
    ZipEntrySource& operator=(const ZipEntrySource&) = delete;

    std::size_t read(char* buffer, std::size_t size) override {
        zip_int64_t got = zip_fread(file_, buffer, size);
        if (got < 0) {
            throw Error(ErrorKind::ReadFailed, "无法读取 " + description_ + "：" +
                                                   zip_error_strerror(zip_file_get_error(file_)));
        }
        return static_cast<std::size_t>(got);
    }

    std::uint64_t size() const override { return size_; }

  private:
    zip_file_t* file_;
    std::uint64_t size_;
    std::string description_;
};

}  // namespace

ZipArchive::ZipArchive(std::filesystem::path file) : file_(std::move(file)) {
    int code = 0;
    zip_ = zip_open(file_.c_str(), ZIP_RDONLY, &code);
    if (zip_ == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw Error(ErrorKind::ReadFailed, "无法打开压缩包 “" + file_.string() + "”：" + reason);
    }
}

ZipArchive::~ZipArchive() {
    zip_discard(zip_);
}

std::vector<std::string> ZipArchive::entryNames() const {
    std::vector<std::string> names;
    zip_int64_t count = zip_get_num_entries(zip_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(zip_, static_cast<zip_uint64_t>(i), 0);
        names.emplace_back(name != nullptr ? name : "");
    }
    return names;
}

std::unique_ptr<ByteSource> ZipArchive::open(std::uint64_t index) const {
    const char* name = zip_get_name(zip_, index, 0);
    std::string description =
        "“" + file_.string() + "” 中的 " + std::string(name != nullptr ? name : "?");
    zip_stat_t stat;
    zip_stat_init(&stat);
    std::uint64_t size = 0;
    if (zip_stat_index(zip_, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0) {
        size = stat.size;
    }
    zip_file_t* file = zip_fopen_index(zip_, index, 0);
    if (file == nullptr) {
        throw Error(ErrorKind::ReadFailed, "无法读取 " + description + "：" + zip_strerror(zip_));
    }
    return std::make_unique<ZipEntrySource>(file, size, std::move(description));
}

}  // namespace busquery
