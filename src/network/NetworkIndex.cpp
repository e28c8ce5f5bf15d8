#include "network/NetworkIndex.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <unordered_map>

#include "store/BusDatabase.h"
#include "store/City.h"
#include "store/Error.h"
#include "store/PinyinCollation.h"
#include "text/AsciiCase.h"
#include "text/NameList.h"

namespace busquery {
namespace {

// Row positions in table order, looked up by row id, so the ORDER BY statements can be mapped.
using RowPositions = std::unordered_map<std::int64_t, std::uint32_t>;

// A column's text as SQLite holds it until the next step; null reads as the empty text. The
// length comes from SQLite, so a text with a NUL inside is kept whole, as getString() keeps it.
std::string_view columnText(SQLite::Statement& statement, int index) {
    const SQLite::Column column = statement.getColumn(index);
    const char* text = column.getText("");
    return {text, static_cast<std::size_t>(column.getBytes())};
}

std::vector<std::uint32_t> orderOf(SQLite::Database& db, const std::string& sql,
                                   const RowPositions& rows) {
    std::vector<std::uint32_t> order;
    order.reserve(rows.size());
    SQLite::Statement statement(db, sql);
    while (statement.executeStep()) order.push_back(rows.at(statement.getColumn(0).getInt64()));
    return order;
}

void loadLines(BusDatabase& database, TextArena& texts, NetworkIndex& index) {
    SQLite::Database& db = database.connection();
    const std::string& rowid = database.rowId("nlninfo");
    RowPositions rows;
    SQLite::Statement statement(
        db,
        "SELECT " + rowid + ", citycode, lnna, fltime, Passstna FROM nlninfo ORDER BY " + rowid);
    while (statement.executeStep()) {
        rows.emplace(statement.getColumn(0).getInt64(),
                     static_cast<std::uint32_t>(index.lines.size()));
        LineInfo line;
        line.citycode = texts.store(columnText(statement, 1));
        line.lnna = texts.store(columnText(statement, 2));
        line.fltime = texts.store(columnText(statement, 3));
        line.passstna = texts.store(columnText(statement, 4));
        index.lines.push_back(std::move(line));
    }
    index.linesByLnid =
        orderOf(db, "SELECT " + rowid + " FROM nlninfo ORDER BY lnid, " + rowid, rows);

    const bool home = std::any_of(index.lines.begin(), index.lines.end(), [](const LineInfo& l) {
        return equalsIgnoreAsciiCase(l.citycode, kCityCode);
    });
    if (home) {
        index.city = kCityCode;
    } else if (!index.linesByLnid.empty()) {
        index.city = index.lines[index.linesByLnid.front()].citycode;
    }
    for (auto& line : index.lines) line.inCity = equalsIgnoreAsciiCase(line.citycode, index.city);
    for (std::uint32_t i : index.linesByLnid) {
        if (index.lines[i].inCity) index.cityLinesByLnid.push_back(i);
    }
}

std::vector<StationInfo> loadStations(BusDatabase& database, TextArena& texts) {
    std::vector<StationInfo> stations;
    SQLite::Database& db = database.connection();
    const std::string& rowid = database.rowId("nstinfo");
    SQLite::Statement statement(
        db, "SELECT " + rowid + ", stna, rdna, near, Passlnna FROM nstinfo ORDER BY " + rowid);
    while (statement.executeStep()) {
        StationInfo station;
        station.stna = texts.store(columnText(statement, 1));
        station.rdna = texts.store(columnText(statement, 2));
        station.near = texts.store(columnText(statement, 3));
        station.passlnna = texts.store(columnText(statement, 4));
        station.lines = nameListViews(station.passlnna);
        stations.push_back(std::move(station));
    }
    return stations;
}

struct WalkRows {
    std::vector<WalkInfo> walks;
    std::uint64_t withoutLength = 0;
    std::uint64_t beyondBound = 0;
};

// Older files have no nstwalk: they answer as before, with rides only.
WalkRows loadWalks(BusDatabase& database, std::size_t stationCount) {
    WalkRows rows;
    if (!database.hasTable("nstwalk")) return rows;
    SQLite::Database& db = database.connection();
    // Enough rows for every station's bound; the rest of a larger table is only counted.
    const std::int64_t limit =
        static_cast<std::int64_t>(stationCount) * NetworkIndex::kMostWalksPerStation;
    SQLite::Statement statement(db, "SELECT stna, tostna, metres FROM nstwalk ORDER BY " +
                                        database.rowId("nstwalk") + " LIMIT ?");
    statement.bind(1, limit);
    std::unordered_map<std::string, std::uint32_t> walksFrom;
    std::int64_t read = 0;
    while (statement.executeStep()) {
        ++read;
        const SQLite::Column metres = statement.getColumn(2);
        // A length stored as text, a real or a blob is no number of metres a walk can take.
        if (statement.getColumn(0).isNull() || statement.getColumn(1).isNull() ||
            !metres.isInteger() || metres.getInt64() < 0 || metres.getInt64() > UINT32_MAX) {
            ++rows.withoutLength;
            continue;
        }
        std::string from = statement.getColumn(0).getString();
        if (++walksFrom[from] > NetworkIndex::kMostWalksPerStation) {
            ++rows.beyondBound;
            continue;
        }
        rows.walks.push_back(WalkInfo{std::move(from), statement.getColumn(1).getString(),
                                      static_cast<std::uint32_t>(metres.getInt64())});
    }
    if (read == limit) {
        SQLite::Statement count(db, "SELECT count(*) FROM nstwalk");
        if (count.executeStep()) rows.beyondBound += count.getColumn(0).getInt64() - read;
    }
    return rows;
}

// Runs a load, turning a failure of the database into its Error.
template <class Load>
auto guarded(BusDatabase& database, Load load) {
    try {
        return load();
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        database.fail(e);
    }
}

// The stations in the order of their names' pinyin collation; equal names keep table order.
struct StationNameOrder {
    std::vector<std::uint32_t> places;

    static StationNameOrder build(const NetworkIndex& index) {
        struct Keyed {
            std::string key;
            std::uint32_t station;
        };
        std::vector<Keyed> keyed;
        keyed.reserve(index.stations().size());
        for (std::uint32_t i = 0; i < index.stations().size(); ++i) {
            keyed.push_back({pinyinSortKey(index.stations()[i].stna), i});
        }
        std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
            if (int c = a.key.compare(b.key); c != 0) return c < 0;
            return index.stations()[a.station].stna < index.stations()[b.station].stna;
        });
        StationNameOrder order;
        order.places.reserve(keyed.size());
        for (const auto& k : keyed) order.places.push_back(k.station);
        return order;
    }
};

}  // namespace

const std::vector<std::uint32_t>& NetworkIndex::stationsByName() const {
    return derived<StationNameOrder>().places;
}

NetworkIndex NetworkIndex::build(BusDatabase& database) {
    NetworkIndex index;
    index.database_ = &database;
    guarded(database, [&] { loadLines(database, *index.texts_, index); });
    return index;
}

NetworkIndex NetworkIndex::withLines(std::vector<LineInfo> rows) const {
    NetworkIndex other;
    other.city = city;
    other.lines = std::move(rows);
    other.linesByLnid = linesByLnid;
    other.cityLinesByLnid = cityLinesByLnid;
    other.database_ = database_;
    other.texts_ = texts_;
    other.stations_ = stations();
    other.walks_ = walks();
    other.walksWithoutLength_ = walksWithoutLength_;
    other.walksBeyondBound_ = walksBeyondBound_;
    return other;
}

const std::vector<StationInfo>& NetworkIndex::stations() const {
    if (!stations_)
        stations_ = guarded(*database_, [&] { return loadStations(*database_, *texts_); });
    return *stations_;
}

const std::vector<WalkInfo>& NetworkIndex::walks() const {
    if (!walks_) {
        const std::size_t stationCount = stations().size();
        WalkRows rows = guarded(*database_, [&] { return loadWalks(*database_, stationCount); });
        walks_ = std::move(rows.walks);
        walksWithoutLength_ = rows.withoutLength;
        walksBeyondBound_ = rows.beyondBound;
    }
    return *walks_;
}

std::uint64_t NetworkIndex::walksWithoutLength() const {
    walks();
    return walksWithoutLength_;
}

std::uint64_t NetworkIndex::walksBeyondBound() const {
    walks();
    return walksBeyondBound_;
}

}  // namespace busquery
