#include "gtfs/CsvTable.h"

#include <csv.h>

#include <algorithm>
#include <cstring>

#include "store/Error.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

constexpr std::size_t kChunkSize = 1 << 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CsvTable::CsvTable(std::string fileName, std::unique_ptr<ByteSource> source)
    : fileName_(std::move(fileName)),
      source_(std::move(source)),
      parser_(std::make_unique<csv_parser>()),
      buffer_(kChunkSize) {
    // Every line end is reported, blank lines too, so records know the line they start on.
    if (csv_init(parser_.get(), CSV_REPALL_NL) != 0) fail("无法初始化 CSV 读取");

    // The byte order mark may arrive over more than one read.
    std::size_t size = 0;
    while (size < kByteOrderMark.size()) {
        std::size_t got = readChunk(size);
        if (got == 0) break;
        size += got;
    }
    std::size_t start = 0;
    if (std::string_view(buffer_.data(), size).starts_with(kByteOrderMark)) {
        start = kByteOrderMark.size();
    }
    // The header is parsed a byte at a time so that the records behind it stay in the buffer
    // for forEachRow, which may then be given its callback.
    while (!headerDone_ && size > 0) {
        std::size_t i = start;
        for (; i < size && !headerDone_; ++i) parse(buffer_.data() + i, 1);
        if (headerDone_) {
            pending_ = i;
            pendingSize_ = size;
            break;
        }
        size = readChunk();
        start = 0;
    }
    if (!headerDone_) {
        csv_fini(parser_.get(), &CsvTable::onField, &CsvTable::onRecordEnd, this);
    }
    if (!headerDone_ || header_.empty()) fail("是空文件，没有表头");
}

CsvTable::~CsvTable() {
    csv_free(parser_.get());
}

std::optional<std::size_t> CsvTable::column(std::string_view name) const {
    auto it = std::find(header_.begin(), header_.end(), asciiLower(name));
    if (it == header_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - header_.begin());
}

std::size_t CsvTable::requireColumn(std::string_view name) const {
    std::optional<std::size_t> index = column(name);
    if (!index) fail("缺少必需的列 " + std::string(name));
    return *index;
}

void CsvTable::forEachRow(const std::function<void(const CsvRow&)>& onRow,
                          const ReadProgress& progress) {
    onRow_ = &onRow;
    parse(buffer_.data() + pending_, pendingSize_ - pending_);
    pending_ = pendingSize_ = 0;
    if (progress) progress(bytesRead_, source_->size());
    while (std::size_t size = readChunk()) {
        parse(buffer_.data(), size);
        if (progress) progress(bytesRead_, source_->size());
    }
    csv_fini(parser_.get(), &CsvTable::onField, &CsvTable::onRecordEnd, this);
    onRow_ = nullptr;
    if (failure_) std::rethrow_exception(failure_);
}

std::size_t CsvTable::readChunk(std::size_t offset) {
    std::size_t size = source_->read(buffer_.data() + offset, buffer_.size() - offset);
    bytesRead_ += size;
    return size;
}

void CsvTable::parse(const char* bytes, std::size_t size) {
    if (csv_parse(parser_.get(), bytes, size, &CsvTable::onField, &CsvTable::onRecordEnd, this) !=
        size) {
        fail(std::string("无法读取：") + csv_strerror(csv_error(parser_.get())));
    }
    if (failure_) std::rethrow_exception(failure_);
}

void CsvTable::fail(std::string_view problem) const {
    throw Error(ErrorKind::FeedFileMissing, fileName_ + " " + std::string(problem));
}

void CsvTable::onField(void* field, std::size_t size, void* data) {
    auto* table = static_cast<CsvTable*>(data);
    if (table->failure_) return;
    const char* text = static_cast<const char*>(field);
    if (table->fieldCount_ < table->fields_.size()) {
        table->fields_[table->fieldCount_].assign(text, size);
    } else {
        table->fields_.emplace_back(text, size);
    }
    ++table->fieldCount_;
    if (size > 0) table->fieldsEmpty_ = false;
    for (const char* at = text;
         (at = static_cast<const char*>(std::memchr(at, '\n', size - (at - text)))); ++at) {
        ++table->recordLineBreaks_;
    }
}

void CsvTable::onRecordEnd(int terminator, void* data) {
    auto* table = static_cast<CsvTable*>(data);
    std::size_t count = table->fieldCount_;
    bool empty = table->fieldsEmpty_;
    std::uint64_t line = table->lineBreaks_ + 1;
    table->lineBreaks_ += table->recordLineBreaks_ + (terminator == '\n' ? 1 : 0);
    table->recordLineBreaks_ = 0;
    table->fieldCount_ = 0;
    table->fieldsEmpty_ = true;
    if (table->failure_ || count == 0) return;
    if (!table->headerDone_) {
        table->headerDone_ = true;
        for (std::size_t i = 0; i < count; ++i) {
            table->header_.push_back(asciiLower(trimBlanks(table->fields_[i])));
        }
        return;
    }
    if (empty || table->onRow_ == nullptr) return;
    // Exceptions must not unwind through libcsv's C frames: keep it for after csv_parse.
    try {
        (*table->onRow_)(CsvRow(table->fields_, count, line));
    } catch (...) {
        table->failure_ = std::current_exception();
    }
}

}  // namespace busquery
