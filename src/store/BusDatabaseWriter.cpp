#include "store/BusDatabaseWriter.h"

#include "store/Error.h"

namespace busquery {
namespace {

SQLite::Database createNew(const std::filesystem::path& file) {
    if (std::filesystem::exists(file)) {
        throw Error(ErrorKind::WriteFailed, "文件 “" + file.string() + "” 已存在，不会覆盖");
    }
    try {
        return SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    } catch (const std::exception& e) {
        throw Error(ErrorKind::WriteFailed,
                    "无法创建数据文件 “" + file.string() + "”：" + e.what());
    }
}

}  // namespace

BusDatabaseWriter::BusDatabaseWriter(const std::filesystem::path& file) : db_(createNew(file)) {
    db_.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
    transaction_ = std::make_unique<SQLite::Transaction>(db_);
    db_.exec(R"sql(
        CREATE TABLE "no" (lineid TEXT);
        CREATE TABLE dbdate (id INTEGER, date TEXT);
        CREATE TABLE nlninfo (lnid INTEGER, citycode TEXT, lnna TEXT, fltime TEXT, Passstna TEXT);
        CREATE TABLE nstinfo (stna TEXT, rdna TEXT, near TEXT, Passlnna TEXT);
        CREATE TABLE TmpTb (UserId TEXT, S TEXT, M TEXT, E TEXT, C INTEGER);
        CREATE TABLE nstpos (stna TEXT PRIMARY KEY, lat REAL, lon REAL);
        CREATE TABLE nstwalk (stna TEXT, tostna TEXT, metres INTEGER);
    )sql");
    insertLineId_ =
        std::make_unique<SQLite::Statement>(db_, "INSERT INTO \"no\" (lineid) VALUES (?)");
    insertLine_ = std::make_unique<SQLite::Statement>(
        db_, "INSERT INTO nlninfo (lnid, citycode, lnna, fltime, Passstna) VALUES (?, ?, ?, ?, ?)");
    insertStation_ = std::make_unique<SQLite::Statement>(
        db_, "INSERT INTO nstinfo (stna, rdna, near, Passlnna) VALUES (?, ?, ?, ?)");
    insertPosition_ = std::make_unique<SQLite::Statement>(
        db_, "INSERT INTO nstpos (stna, lat, lon) VALUES (?, ?, ?)");
    insertWalk_ = std::make_unique<SQLite::Statement>(
        db_, "INSERT INTO nstwalk (stna, tostna, metres) VALUES (?, ?, ?)");
}

BusDatabaseWriter::~BusDatabaseWriter() = default;

void BusDatabaseWriter::addLineId(std::string_view lineid) {
    insertLineId_->bind(1, std::string(lineid));
    insertLineId_->exec();
    insertLineId_->reset();
}

void BusDatabaseWriter::setDate(std::string_view date) {
    db_.exec("DELETE FROM dbdate");
    SQLite::Statement insert(db_, "INSERT INTO dbdate (id, date) VALUES (1, ?)");
    insert.bind(1, std::string(date));
    insert.exec();
}

void BusDatabaseWriter::addLine(const LineRow& line) {
    insertLine_->bind(1, line.lnid);
    insertLine_->bind(2, line.citycode);
    insertLine_->bind(3, line.lnna);
    insertLine_->bind(4, line.fltime);
    insertLine_->bind(5, line.passstna);
    insertLine_->exec();
    insertLine_->reset();
}

void BusDatabaseWriter::addStation(const StationRow& station) {
    insertStation_->bind(1, station.stna);
    insertStation_->bind(2, station.rdna);
    insertStation_->bind(3, station.near);
    insertStation_->bind(4, station.passlnna);
    insertStation_->exec();
    insertStation_->reset();
}

void BusDatabaseWriter::addPosition(const PositionRow& position) {
    insertPosition_->bind(1, position.stna);
    insertPosition_->bind(2, position.lat);
    insertPosition_->bind(3, position.lon);
    insertPosition_->exec();
    insertPosition_->reset();
}

void BusDatabaseWriter::addWalk(const WalkRow& walk) {
    insertWalk_->bind(1, walk.stna);
    insertWalk_->bind(2, walk.tostna);
    insertWalk_->bind(3, walk.metres);
    insertWalk_->exec();
    insertWalk_->reset();
}

void BusDatabaseWriter::commit() {
    insertLineId_.reset();
    insertLine_.reset();
    insertStation_.reset();
    insertPosition_.reset();
    insertWalk_.reset();
    transaction_->commit();
    transaction_.reset();
}

}  // namespace busquery
