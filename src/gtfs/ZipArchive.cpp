#include "gtfs/ZipArchive.h"

#include <zip.h>

#include "gtfs/FeedText.h"
#include "store/Error.h"
#include "store/SystemErrorText.h"

namespace busquery {
namespace {

// What went wrong with an archive, in the words of the program's messages.
ErrorText zipProblem(const zip_error_t* error) {
    const int code = zip_error_code_zip(error);
    switch (code) {
        case ZIP_ER_NOZIP:
            return "不是 zip 压缩包";
        case ZIP_ER_NOENT:
            return "文件不存在";
        case ZIP_ER_OPEN:
        case ZIP_ER_READ:
        case ZIP_ER_SEEK:
        case ZIP_ER_TELL:
            return zip_error_system_type(error) == ZIP_ET_SYS
                       ? systemErrorText(zip_error_code_system(error))
                       : ErrorText("读取出错");
        case ZIP_ER_CRC:
        case ZIP_ER_INCONS:
        case ZIP_ER_COMPRESSED_DATA:
        case ZIP_ER_ZLIB:
        case ZIP_ER_EOF:
            return "压缩包已损坏";
        case ZIP_ER_COMPNOTSUPP:
            return "使用了不支持的压缩方法";
        case ZIP_ER_ENCRNOTSUPP:
        case ZIP_ER_NOPASSWD:
        case ZIP_ER_WRONGPASSWD:
            return "压缩包已加密";
        case ZIP_ER_MULTIDISK:
            return "不支持分卷压缩包";
        case ZIP_ER_MEMORY:
            return "内存不足";
        default:
            return {"无法读取（libzip 错误码 %1）", {ErrorText::value(std::to_string(code))}};
    }
}

class ZipEntrySource : public ByteSource {
  public:
    ZipEntrySource(zip_file_t* file, std::uint64_t size, ErrorText description)
        : file_(file), size_(size), description_(std::move(description)) {}
    ~ZipEntrySource() override { zip_fclose(file_); }
    ZipEntrySource(const ZipEntrySource&) = delete;
    ZipEntrySource& operator=(const ZipEntrySource&) = delete;

    std::size_t read(char* buffer, std::size_t size) override {
        zip_int64_t got = zip_fread(file_, buffer, size);
        if (got < 0) {
            throw Error(ErrorKind::ReadFailed,
                        {"无法读取 %1：%2", {description_, zipProblem(zip_file_get_error(file_))}});
        }
        return static_cast<std::size_t>(got);
    }

    std::uint64_t size() const override { return size_; }

  private:
    zip_file_t* file_;
    std::uint64_t size_;
    ErrorText description_;
};

}  // namespace

ZipArchive::ZipArchive(std::filesystem::path file) : file_(std::move(file)) {
    int code = 0;
    zip_ = zip_open(file_.c_str(), ZIP_RDONLY, &code);
    if (zip_ == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        ErrorText reason = zipProblem(&error);
        zip_error_fini(&error);
        throw Error(ErrorKind::ReadFailed,
                    {"无法打开压缩包 “%1”：%2", {ErrorText::value(file_.string()), reason}});
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
    // The entry's name comes from the archive: a message shows it only as safe text.
    const char* name = zip_get_name(zip_, index, 0);
    ErrorText description{"“%1” 中的 %2",
                          {ErrorText::value(file_.string()),
                           ErrorText::value(displayText(name != nullptr ? name : "?"))}};
    zip_stat_t stat;
    zip_stat_init(&stat);
    std::uint64_t size = 0;
    if (zip_stat_index(zip_, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0) {
        size = stat.size;
    }
    zip_file_t* file = zip_fopen_index(zip_, index, 0);
    if (file == nullptr) {
        throw Error(ErrorKind::ReadFailed,
                    {"无法读取 %1：%2", {description, zipProblem(zip_get_error(zip_))}});
    }
    return std::make_unique<ZipEntrySource>(file, size, std::move(description));
}

}  // namespace busquery
