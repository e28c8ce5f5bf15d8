#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "network/TextArena.h"

namespace busquery {

class BusDatabase;

// One row of nlninfo. Null columns read as the empty text. The texts are held by the index's
// arena (see NetworkIndex::texts).
struct LineInfo {
    std::string_view citycode;
    std::string_view lnna;
    std::string_view fltime;
    std::string_view passstna;
    bool inCity = false;  // citycode is the database's city (ASCII case ignored)
};

// One row of nstinfo. Null columns read as the empty text. The texts are held by the index's
// arena, or by whoever builds the row.
struct StationInfo {
    std::string_view stna;
    std::string_view rdna;
    std::string_view near;
    std::string_view passlnna;
    std::vector<std::string_view> lines;  // Passlnna read as a name list (pieces of passlnna)
};

// One row of the optional table nstwalk: a walk between two different stations. Each direction
// is a row of its own.
struct WalkInfo {
    std::string stna;
    std::string tostna;
    std::uint32_t metres = 0;
};

// The network of one busdata content, in memory. Every query answers from it instead of issuing
// its statements; the orders below are those the statements give, so the answers are the same.
struct NetworkIndex {
    // The city the database answers for: Velmorina where any line carries its code, else the
    // city of the first line in lnid order (an imported city). Lines of other cities are kept,
    // but line lookup and the route search's lines through a station list only this city's.
    std::string city;
    std::vector<LineInfo> lines;                 // table (rowid) order
    std::vector<std::uint32_t> linesByLnid;      // indexes into lines: ORDER BY lnid, rowid
    std::vector<std::uint32_t> cityLinesByLnid;  // the same, only lines of the city

    // Reads the lines at once; the stations and the walks are read from the database on first
    // need, so a line lookup reads neither. The database must outlive the index and is read
    // from one thread only.
    static NetworkIndex build(BusDatabase& database);

    // nstinfo in table (rowid) order.
    const std::vector<StationInfo>& stations() const;
    // nstwalk; empty for a file without the table. Rows without both names or without a length
    // in whole metres (stored as an integer, not negative) are left out and counted, and so are
    // a station's walks beyond kMostWalksPerStation.
    const std::vector<WalkInfo>& walks() const;
    std::uint64_t walksWithoutLength() const;
    std::uint64_t walksBeyondBound() const;
    // An import gives a station walks to its few nearest neighbours and those a feed states;
    // a file with far more per station is read only this far.
    static constexpr std::uint32_t kMostWalksPerStation = 64;
    // The open file these rows were read from, for tables read only when a search needs them
    // (the timetable).
    BusDatabase* database() const { return database_; }

    // The same content with other rows for its lines (as many, in the same order), such as
    // lines that pass no station; the indexes derived from it are built anew. The rows' texts
    // must be this index's own (or outlive the result): the arena is shared, not copied.
    NetworkIndex withLines(std::vector<LineInfo> rows) const;

    // The stations in name order (ORDER BY stna COLLATE pinyin, rowid), sorted on first use:
    // only the station searches need it.
    const std::vector<std::uint32_t>& stationsByName() const;

    // An index the searches derive from these tables (the station text index, the route
    // index), built on first use and kept as long as this content: a line lookup never pays
    // for the indexes of the route search. T provides `static T build(const NetworkIndex&)`.
    // The program asks from one thread only.
    template <class T>
    const T& derived() const {
        return *derivedShared<T>();
    }
    // The same, shared: for what must outlive this content, such as an answer that names its
    // stations through it.
    template <class T>
    std::shared_ptr<const T> derivedShared() const {
        auto& slot = derived_[std::type_index(typeid(T))];
        if (!slot) slot = std::make_shared<const T>(T::build(*this));
        return std::static_pointer_cast<const T>(slot);
    }

  private:
    BusDatabase* database_ = nullptr;
    // Shared with the indexes withLines() makes, whose rows view the same texts.
    std::shared_ptr<TextArena> texts_ = std::make_shared<TextArena>();
    mutable std::optional<std::vector<StationInfo>> stations_;
    mutable std::optional<std::vector<WalkInfo>> walks_;
    mutable std::uint64_t walksWithoutLength_ = 0;
    mutable std::uint64_t walksBeyondBound_ = 0;
    mutable std::unordered_map<std::type_index, std::shared_ptr<const void>> derived_;
};

}  // namespace busquery
