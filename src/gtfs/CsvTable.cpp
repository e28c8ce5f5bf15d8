#include "gtfs/CsvTable.h"

#include <csv.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "text/AsciiCase.h"

namespace busquery {
namespace {

constexpr std::size_t kChunkSize = 1 << 20;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// libcsv holds a field whole until it ends, with a closing quote and the blanks after it; a
// field that fills this much is longer than kMaxFieldBytes.
constexpr std::size_t kFieldBufferLimit = kMaxFieldBytes + 64;
// As much of a left-out record as its example can show: 80 characters of up to 4 bytes.
constexpr std::size_t kStartBytes = 320;

constexpr std::string_view kLongField = "字段超过 64 KiB";
constexpr std::string_view kManyFields = "字段超过 1000 个";

// libcsv grows a field's buffer through this. Refusing to go beyond the limit stops csv_parse
// there with CSV_ENOMEM; CsvTable::parse then drops what the field holds and goes on.
void* boundedRealloc(void* block, std::size_t size) {
    return size > kFieldBufferLimit ? nullptr : std::realloc(block, size);
}

std::uint64_t countLineBreaks(std::string_view text) {
    return static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

void CsvParserRelease::operator()(csv_parser* parser) const {
    csv_free(parser);
    delete parser;
}

CsvTable::CsvTable(std::string fileName, std::unique_ptr<ByteSource> source,
                   SkippedRecordHandler onSkipped)
    : fileName_(std::move(fileName)),
      source_(std::move(source)),
      onSkipped_(std::move(onSkipped)),
      parser_(new csv_parser{}),
      buffer_(kChunkSize) {
    // Every line end is reported, blank lines too, so records know the line they start on.
    if (csv_init(parser_.get(), CSV_REPALL_NL) != 0) fail("无法初始化 CSV 读取");
    csv_set_realloc_func(parser_.get(), boundedRealloc);

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
    if (!headerDone_) finish();
    if (!headerDone_ || header_.empty()) fail("是空文件，没有表头");
}

CsvTable::~CsvTable() = default;

std::optional<std::size_t> CsvTable::column(std::string_view name) const {
    auto it = std::find(header_.begin(), header_.end(), asciiLower(name));
    if (it == header_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - header_.begin());
}

std::size_t CsvTable::requireColumn(std::string_view name) const {
    std::optional<std::size_t> index = column(name);
    if (!index) fail({"缺少必需的列 %1", {ErrorText::value(std::string(name))}});
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
    finish();
    onRow_ = nullptr;
}

std::size_t CsvTable::readChunk(std::size_t offset) {
    std::size_t size = source_->read(buffer_.data() + offset, buffer_.size() - offset);
    bytesRead_ += size;
    return size;
}

void CsvTable::parse(const char* bytes, std::size_t size) {
    while (size > 0) {
        std::size_t used =
            csv_parse(parser_.get(), bytes, size, &CsvTable::onField, &CsvTable::onRecordEnd, this);
        if (failure_) std::rethrow_exception(failure_);
        if (used == size) return;
        if (csv_error(parser_.get()) != CSV_ENOMEM) {
            fail("无法读取：格式有误", ErrorKind::ReadFailed);
        }
        if (csv_get_buffer_size(parser_.get()) < kFieldBufferLimit) {
            fail("无法读取：内存不足", ErrorKind::ReadFailed);
        }
        dropLongField();
        bytes += used;
        size -= used;
    }
}

void CsvTable::finish() {
    csv_fini(parser_.get(), &CsvTable::onField, &CsvTable::onRecordEnd, this);
    if (failure_) std::rethrow_exception(failure_);
}

// csv_parse stopped in a field that filled the buffer. The parser forgets what the field holds
// but keeps its state (inside quotes or not, a closing quote and blanks pending), so the record
// still ends where it ends, and is then left out.
void CsvTable::dropLongField() {
    if (!headerDone_) fail("表头中有超过 64 KiB 的字段", ErrorKind::BadData);
    csv_parser& parser = *parser_;
    std::string_view held(reinterpret_cast<const char*>(parser.entry_buf), parser.entry_pos);
    markOversized(kLongField, held);
    recordLineBreaks_ += countLineBreaks(held);
    // libcsv takes `spaces` bytes (and a closing quote) off the end of a field and asks only
    // whether any blanks are pending: one blank and one byte before it keep every step the same.
    parser.spaces = std::min<std::size_t>(parser.spaces, 1);
    parser.entry_pos = parser.spaces + 1;
    std::memset(parser.entry_buf, ' ', parser.entry_pos);
    parser.status = CSV_SUCCESS;
}

void CsvTable::markOversized(std::string_view reason, std::string_view field) {
    if (!oversized_.empty()) return;
    oversized_ = reason;
    oversizedStart_.clear();
    for (std::size_t i = 0; i < fieldCount_ && oversizedStart_.size() < kStartBytes; ++i) {
        oversizedStart_.append(fields_[i], 0, kStartBytes);
        oversizedStart_ += ',';
    }
    oversizedStart_ += field.substr(0, kStartBytes);
    if (oversizedStart_.size() > kStartBytes) oversizedStart_.resize(kStartBytes);
}

void CsvTable::fail(ErrorText problem, ErrorKind kind) const {
    throw Error(kind, {"%1 %2", {ErrorText::value(fileName_), std::move(problem)}});
}

void CsvTable::onField(void* field, std::size_t size, void* data) {
    auto* table = static_cast<CsvTable*>(data);
    if (table->failure_) return;
    try {
        table->takeField(static_cast<const char*>(field), size);
    } catch (...) {
        table->failure_ = std::current_exception();
    }
}

void CsvTable::onRecordEnd(int terminator, void* data) {
    auto* table = static_cast<CsvTable*>(data);
    if (table->failure_) return;
    try {
        table->endRecord(terminator);
    } catch (...) {
        table->failure_ = std::current_exception();
    }
}

void CsvTable::takeField(const char* text, std::size_t size) {
    recordLineBreaks_ += countLineBreaks({text, size});
    if (oversized_.empty()) {
        if (size > kMaxFieldBytes) {
            if (!headerDone_) fail("表头中有超过 64 KiB 的字段", ErrorKind::BadData);
            markOversized(kLongField, {text, size});
        } else if (fieldCount_ == kMaxRecordFields) {
            if (!headerDone_) fail("表头超过 1000 列", ErrorKind::BadData);
            markOversized(kManyFields, {});
        }
    }
    if (oversized_.empty()) {
        if (fieldCount_ < fields_.size()) {
            fields_[fieldCount_].assign(text, size);
        } else {
            fields_.emplace_back(text, size);
        }
    }
    ++fieldCount_;
    if (size > 0) fieldsEmpty_ = false;
}

void CsvTable::endRecord(int terminator) {
    const std::size_t count = fieldCount_;
    const bool empty = fieldsEmpty_;
    const std::uint64_t line = lineBreaks_ + 1;
    const std::string_view oversized = std::exchange(oversized_, {});
    lineBreaks_ += recordLineBreaks_ + (terminator == '\n' ? 1 : 0);
    recordLineBreaks_ = 0;
    fieldCount_ = 0;
    fieldsEmpty_ = true;
    if (count == 0) return;
    if (!oversized.empty()) {
        if (onSkipped_) onSkipped_(SkippedRecord{oversized, line, oversizedStart_});
        return;
    }
    if (!headerDone_) {
        headerDone_ = true;
        for (std::size_t i = 0; i < count; ++i) {
            header_.push_back(asciiLower(trimBlanks(fields_[i])));
        }
        return;
    }
    if (empty || onRow_ == nullptr) return;
    (*onRow_)(CsvRow(fields_, count, line));
}

}  // namespace busquery
