#include "store/BusDatabaseWriter.h"

#include <sqlite3.h>

#include <new>

#include "store/Error.h"
#include "store/SystemErrorText.h"

namespace busquery {
namespace {

// What went wrong, in the words of the program's messages: SQLite's own are English.
ErrorText writeProblem(const std::exception& error, int systemError) {
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error);
    if (sqlite == nullptr) {
        return dynamic_cast<const std::bad_alloc*>(&error) != nullptr ? "内存不足" : "写入失败";
    }
    switch (sqlite->getErrorCode() & 0xFF) {
        case SQLITE_FULL:
            return "磁盘空间不足";
        case SQLITE_IOERR:
            return systemError != 0 ? systemErrorText(systemError) : ErrorText("磁盘读写出错");
        case SQLITE_CANTOPEN:
            return "无法创建文件";
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return "没有写入权限";
        case SQLITE_NOMEM:
            return "内存不足";
        case SQLITE_TOOBIG:
            return "数据过大";
        default:
            return {"写入失败（SQLite 错误码 %1）",
                    {ErrorText::value(std::to_string(sqlite->getExtendedErrorCode()))}};
    }
}

ErrorKind writeErrorKind(const std::exception& error) {
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error);
    if (sqlite == nullptr) {
        return dynamic_cast<const std::bad_alloc*>(&error) != nullptr ? ErrorKind::OutOfMemory
                                                                      : ErrorKind::WriteFailed;
    }
    switch (sqlite->getErrorCode() & 0xFF) {
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return ErrorKind::NoPermission;
        case SQLITE_NOMEM:
            return ErrorKind::OutOfMemory;
        default:
            return ErrorKind::WriteFailed;
    }
}

SQLite::Database createNew(const std::filesystem::path& file, const std::filesystem::path& shown) {
    if (std::filesystem::exists(file)) {
        throw Error(ErrorKind::WriteFailed,
                    {"文件 “%1” 已存在，不会覆盖", {ErrorText::value(file.string())}});
    }
    try {
        return SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    } catch (const std::exception& e) {
        throw Error(
            writeErrorKind(e),
            {"无法创建数据文件 “%1”：%2", {ErrorText::value(shown.string()), writeProblem(e, 0)}},
            e.what());
    }
}

}  // namespace

BusDatabaseWriter::BusDatabaseWriter(const std::filesystem::path& file,
                                     const std::filesystem::path& shownAs)
    : shown_(shownAs.empty() ? file : shownAs), db_(createNew(file, shown_)) {
    try {
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
            db_,
            "INSERT INTO nlninfo (lnid, citycode, lnna, fltime, Passstna) VALUES (?, ?, ?, ?, ?)");
        insertStation_ = std::make_unique<SQLite::Statement>(
            db_, "INSERT INTO nstinfo (stna, rdna, near, Passlnna) VALUES (?, ?, ?, ?)");
        insertPosition_ = std::make_unique<SQLite::Statement>(
            db_, "INSERT INTO nstpos (stna, lat, lon) VALUES (?, ?, ?)");
        insertWalk_ = std::make_unique<SQLite::Statement>(
            db_, "INSERT INTO nstwalk (stna, tostna, metres) VALUES (?, ?, ?)");
    } catch (const std::exception& e) {
        fail(e);
    }
}

BusDatabaseWriter::~BusDatabaseWriter() = default;

void BusDatabaseWriter::addLineId(std::string_view lineid) {
    try {
        insertLineId_->bind(1, std::string(lineid));
        insertLineId_->exec();
        insertLineId_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::setCity(const CityRow& city) {
    try {
        db_.exec("CREATE TABLE nctinfo (citycode TEXT, ctna TEXT, lang TEXT)");
        SQLite::Statement insert(db_,
                                 "INSERT INTO nctinfo (citycode, ctna, lang) VALUES (?, ?, ?)");
        insert.bind(1, city.citycode);
        insert.bind(2, city.ctna);
        insert.bind(3, city.lang);
        insert.exec();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addTextRow(std::unique_ptr<SQLite::Statement>& insert,
                                   std::string_view table,
                                   const std::array<std::string_view, 3>& columns,
                                   const std::array<const std::string*, 3>& texts) {
    try {
        if (!insert) {
            std::string typed;
            std::string names;
            for (const std::string_view column : columns) {
                typed += (typed.empty() ? "" : ", ") + std::string(column) + " TEXT";
                names += (names.empty() ? "" : ", ") + std::string(column);
            }
            db_.exec("CREATE TABLE " + std::string(table) + " (" + typed + ")");
            insert = std::make_unique<SQLite::Statement>(
                db_, "INSERT INTO " + std::string(table) + " (" + names + ") VALUES (?, ?, ?)");
        }
        for (int i = 0; i < 3; ++i) insert->bind(i + 1, *texts[i]);
        insert->exec();
        insert->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addStationName(const StationNameRow& name) {
    addTextRow(insertStationName_, "nsttrans", {"stna", "lang", "name"},
               {&name.stna, &name.lang, &name.name});
}

void BusDatabaseWriter::addLineName(const LineNameRow& name) {
    addTextRow(insertLineName_, "nlntrans", {"lnna", "lang", "name"},
               {&name.lnna, &name.lang, &name.name});
}

void BusDatabaseWriter::setDate(std::string_view date) {
    try {
        db_.exec("DELETE FROM dbdate");
        SQLite::Statement insert(db_, "INSERT INTO dbdate (id, date) VALUES (1, ?)");
        insert.bind(1, std::string(date));
        insert.exec();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addLine(const LineRow& line) {
    try {
        insertLine_->bind(1, line.lnid);
        insertLine_->bind(2, line.citycode);
        insertLine_->bind(3, line.lnna);
        insertLine_->bind(4, line.fltime);
        insertLine_->bind(5, line.passstna);
        insertLine_->exec();
        insertLine_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addStation(const StationRow& station) {
    try {
        insertStation_->bind(1, station.stna);
        insertStation_->bind(2, station.rdna);
        insertStation_->bind(3, station.near);
        insertStation_->bind(4, station.passlnna);
        insertStation_->exec();
        insertStation_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addPosition(const PositionRow& position) {
    try {
        insertPosition_->bind(1, position.stna);
        insertPosition_->bind(2, position.lat);
        insertPosition_->bind(3, position.lon);
        insertPosition_->exec();
        insertPosition_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addWalk(const WalkRow& walk) {
    try {
        insertWalk_->bind(1, walk.stna);
        insertWalk_->bind(2, walk.tostna);
        insertWalk_->bind(3, walk.metres);
        insertWalk_->exec();
        insertWalk_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addTimetableTables() {
    try {
        db_.exec(R"sql(
            CREATE TABLE nlntrip (lnid INTEGER, service INTEGER, headsign TEXT, times BLOB);
            CREATE TABLE nsvinfo (service INTEGER, serviceid TEXT, weekdays INTEGER,
                                  startdate INTEGER, enddate INTEGER);
            CREATE TABLE nsvdate (service INTEGER, date INTEGER, added INTEGER);
            CREATE TABLE nstchange (stna TEXT, tostna TEXT, minutes INTEGER);
        )sql");
        insertTrip_ = std::make_unique<SQLite::Statement>(
            db_, "INSERT INTO nlntrip (lnid, service, headsign, times) VALUES (?, ?, ?, ?)");
        insertService_ = std::make_unique<SQLite::Statement>(
            db_,
            "INSERT INTO nsvinfo (service, serviceid, weekdays, startdate, enddate) "
            "VALUES (?, ?, ?, ?, ?)");
        insertServiceDate_ = std::make_unique<SQLite::Statement>(
            db_, "INSERT INTO nsvdate (service, date, added) VALUES (?, ?, ?)");
        insertChange_ = std::make_unique<SQLite::Statement>(
            db_, "INSERT INTO nstchange (stna, tostna, minutes) VALUES (?, ?, ?)");
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addTrip(const TripRow& trip) {
    try {
        const std::string times = encodeTripTimes(trip.times);
        insertTrip_->bind(1, trip.lnid);
        insertTrip_->bind(2, static_cast<std::int64_t>(trip.service));
        insertTrip_->bind(3, trip.headsign);
        insertTrip_->bind(4, static_cast<const void*>(times.data()),
                          static_cast<int>(times.size()));
        insertTrip_->exec();
        insertTrip_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addService(const ServiceRow& service) {
    try {
        insertService_->bind(1, static_cast<std::int64_t>(service.service));
        insertService_->bind(2, service.serviceId);
        insertService_->bind(3, static_cast<int>(service.weekdays));
        if (service.startDate != 0) {
            insertService_->bind(4, service.startDate);
            insertService_->bind(5, service.endDate);
        } else {
            insertService_->bind(4);
            insertService_->bind(5);
        }
        insertService_->exec();
        insertService_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addServiceDate(const ServiceDateRow& date) {
    try {
        insertServiceDate_->bind(1, static_cast<std::int64_t>(date.service));
        insertServiceDate_->bind(2, date.date);
        insertServiceDate_->bind(3, date.added ? 1 : 0);
        insertServiceDate_->exec();
        insertServiceDate_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::addChange(const ChangeRow& change) {
    try {
        insertChange_->bind(1, change.stna);
        insertChange_->bind(2, change.tostna);
        insertChange_->bind(3, static_cast<std::int64_t>(change.minutes));
        insertChange_->exec();
        insertChange_->reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::commit() {
    try {
        insertTrip_.reset();
        insertService_.reset();
        insertServiceDate_.reset();
        insertChange_.reset();
        insertLineId_.reset();
        insertLine_.reset();
        insertStation_.reset();
        insertPosition_.reset();
        insertWalk_.reset();
        transaction_->commit();
        transaction_.reset();
    } catch (const std::exception& e) {
        fail(e);
    }
}

void BusDatabaseWriter::fail(const std::exception& error) {
    // The error number of the file's last failed system call says what an I/O error was.
    int systemError = 0;
    sqlite3_file_control(db_.getHandle(), "main", SQLITE_FCNTL_LAST_ERRNO, &systemError);
    std::string detail = error.what();
    if (systemError != 0) detail += "; " + systemErrorDetail(systemError);
    throw Error(writeErrorKind(error),
                {"无法写入数据文件 “%1”：%2",
                 {ErrorText::value(shown_.string()), writeProblem(error, systemError)}},
                std::move(detail));
}

}  // namespace busquery
