#include "reference/ReferenceRouteSearch.h"

#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/NameList.h"

namespace busquery::test {
namespace {

// A name holding ";" is never one whole name of a list, whatever instr would find.
bool isOneName(std::string_view name) {
    return name.find(';') == std::string_view::npos;
}

std::vector<DirectLine> directLines(SQLite::Database& db, std::string_view from,
                                    std::string_view to) {
    if (!isOneName(from) || !isOneName(to)) return {};
    // Expr1 and Expr2 are the positions of the first whole-name occurrences: ";" put in front of
    // the list lets the first name match like every other.
    SQLite::Statement rows(db, R"sql(
        SELECT ifnull(lnna, ''),
               substr(Passstna, Expr1, Expr2 - Expr1 + length(?2) + 1),
               length(substr(Passstna, Expr1, Expr2 - Expr1))
                   - length(replace(substr(Passstna, Expr1, Expr2 - Expr1), ';', ''))
        FROM (SELECT instr(';' || lower(Passstna), ';' || lower(?1) || ';') AS Expr1,
                     instr(';' || lower(Passstna), ';' || lower(?2) || ';') AS Expr2,
                     lnna, Passstna, rowid AS r
              FROM nlninfo)
        WHERE Expr1 > 0 AND Expr2 > Expr1
        ORDER BY r)sql");
    rows.bind(1, std::string(from));
    rows.bind(2, std::string(to));
    std::vector<DirectLine> found;
    while (rows.executeStep()) {
        found.push_back(DirectLine{rows.getColumn(0).getString(), rows.getColumn(1).getString(),
                                   static_cast<std::uint32_t>(rows.getColumn(2).getInt64())});
    }
    return found;
}

std::optional<std::string> passlnnaOf(SQLite::Database& db, std::string_view stna) {
    SQLite::Statement row(db,
                          "SELECT ifnull(Passlnna, '') FROM nstinfo WHERE stna = ? COLLATE NOCASE "
                          "ORDER BY rowid LIMIT 1");
    row.bind(1, std::string(stna));
    if (!row.executeStep()) return std::nullopt;
    return row.getColumn(0).getString();
}

// The list of the first city line named lnna cut at the first whole-name occurrence of station:
// the part from it on (after) and the part up to its first character (head).
struct CutList {
    std::string after;
    std::string head;
};

std::optional<CutList> cutList(SQLite::Database& db, std::string_view lnna,
                               std::string_view station) {
    if (!isOneName(station)) return std::nullopt;
    SQLite::Statement row(db, R"sql(
        SELECT Expr1, substr(Passstna, Expr1), substr(Passstna, 1, Expr1)
        FROM (SELECT instr(';' || lower(Passstna), ';' || lower(?1) || ';') AS Expr1, Passstna
              FROM nlninfo
              WHERE lnna = ?2 COLLATE NOCASE AND citycode = 'velmorina' COLLATE NOCASE
              ORDER BY rowid LIMIT 1))sql");
    row.bind(1, std::string(station));
    row.bind(2, std::string(lnna));
    if (!row.executeStep() || row.getColumn(0).getInt64() <= 0) return std::nullopt;
    return CutList{row.getColumn(1).getString(), row.getColumn(2).getString()};
}

// Every piece between the ";", the one after the last ";" included.
std::vector<std::string> splitAll(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(';', start)) != std::string_view::npos;
         start = end + 1) {
        pieces.emplace_back(text.substr(start, end - start));
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

struct LegRow {
    std::string station;
    std::string line;
    std::int64_t stops;
};

void insertName(std::vector<std::string>& names, const std::string& name) {
    if (name.empty()) return;
    for (const auto& present : names) {
        if (present == name) return;
    }
    names.push_back(name);
}

// A row of arrPlan: the texts TmpTb stores, and the rides they were written from.
struct CandidateRow {
    std::string S;
    std::string M;
    std::string E;
    std::int64_t C = 0;
    Plan plan;
};

// The ride from `from` to `to` on every row at station, in the order of the rows.
PlanLeg rideAt(const std::vector<LegRow>& legs, const std::string& station, std::string from,
               std::string to) {
    PlanLeg ride{PlanLeg::Kind::Ride, {}, std::move(from), std::move(to), 0, 0};
    for (const auto& leg : legs) {
        if (leg.station == station) {
            ride.lines.push_back(RideLine{leg.line, static_cast<std::uint32_t>(leg.stops)});
        }
    }
    ride.stops = ride.lines.front().stops;
    return ride;
}

// "line(n站)" of every line of a ride, joined by "/".
std::string rideText(const PlanLeg& ride) {
    std::string text;
    for (const auto& line : ride.lines) {
        if (!text.empty()) text += "/";
        text += line.lnna + "(" + std::to_string(line.stops) + "站)";
    }
    return text;
}

// The rows a query put into TmpTb under its tag, deleted when it ends, however it ends.
class ScratchRows {
  public:
    explicit ScratchRows(SQLite::Database& db)
        : db_(db),
          insert_(db, "INSERT INTO temp.TmpTb (UserId, S, M, E, C) VALUES (?, ?, ?, ?, ?)") {
        std::mt19937 random(static_cast<std::uint32_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
        tag_ = "U" + std::to_string(std::uniform_int_distribution<int>(0, 9999)(random));
    }
    ScratchRows(const ScratchRows&) = delete;
    ScratchRows& operator=(const ScratchRows&) = delete;
    ~ScratchRows() {
        try {
            SQLite::Statement erase(db_, "DELETE FROM temp.TmpTb WHERE UserId = ?");
            erase.bind(1, tag_);
            erase.exec();
        } catch (...) {
            // Nothing to report from a destructor; the TEMP table goes with the connection.
        }
    }

    void store(CandidateRow row) {
        insert_.bind(1, tag_);
        insert_.bind(2, row.S);
        insert_.bind(3, row.M);
        insert_.bind(4, row.E);
        insert_.bind(5, row.C);
        insert_.exec();
        insert_.reset();
        stored_.emplace(db_.getLastInsertRowid(), std::move(row));
    }

    // The ten plans with the lowest C and those tied with the tenth, ties in storing order.
    std::vector<Plan> best() {
        SQLite::Statement rows(db_, R"sql(
            SELECT r, S, M, E, C
            FROM (SELECT S, M, E, C, rowid AS r, rank() OVER (ORDER BY C) AS place
                  FROM temp.TmpTb WHERE UserId = ?)
            WHERE place <= 10
            ORDER BY C, r)sql");
        rows.bind(1, tag_);
        std::vector<Plan> plans;
        while (rows.executeStep()) {
            const CandidateRow& row = stored_.at(rows.getColumn(0).getInt64());
            // What comes back is what went in: the rides are the plan the texts were made of.
            if (row.S != rows.getColumn(1).getString() || row.M != rows.getColumn(2).getString() ||
                row.E != rows.getColumn(3).getString() || row.C != rows.getColumn(4).getInt64()) {
                throw std::logic_error("TmpTb gave back another row than it was given");
            }
            plans.push_back(row.plan);
        }
        return plans;
    }

  private:
    SQLite::Database& db_;
    SQLite::Statement insert_;
    std::string tag_;
    std::map<std::int64_t, CandidateRow> stored_;  // by rowid
};

OutcomeCode transferPlans(SQLite::Database& db, std::string_view from, std::string_view to,
                          std::vector<Plan>& plans) {
    auto originLines = passlnnaOf(db, from);
    if (!originLines) return OutcomeCode::NoOrigin;
    std::vector<LegRow> arrLegS;
    std::vector<std::string> arrStnaS;
    for (const auto& line : readNameList(*originLines)) {
        auto list = cutList(db, line, from);
        if (!list) continue;
        auto pieces = splitAll(list->after);
        for (std::size_t j = 0; j + 1 < pieces.size(); ++j) {
            arrLegS.push_back({pieces[j], line, static_cast<std::int64_t>(j)});
            insertName(arrStnaS, pieces[j]);
        }
    }

    auto destinationLines = passlnnaOf(db, to);
    if (!destinationLines) return OutcomeCode::NoDestination;
    std::vector<LegRow> arrLegE;
    std::vector<std::string> arrStnaE;
    for (const auto& line : readNameList(*destinationLines)) {
        auto list = cutList(db, line, to);
        if (!list) continue;
        auto pieces = splitAll(list->head);
        const std::size_t u = pieces.size() - 1;
        for (std::size_t j = 0; j < u; ++j) {
            arrLegE.push_back({pieces[j], line, static_cast<std::int64_t>(u - j)});
            insertName(arrStnaE, pieces[j]);
        }
    }

    std::vector<std::string> arrStnaM;
    for (const auto& s : arrStnaS) {
        for (const auto& e : arrStnaE) {
            if (s == e) arrStnaM.push_back(s);
        }
    }
    if (arrStnaM.empty()) return OutcomeCode::NoRoute;

    ScratchRows scratch(db);
    for (const auto& m : arrStnaM) {
        CandidateRow row;
        PlanLeg first = rideAt(arrLegS, m, std::string(from), m);
        PlanLeg second = rideAt(arrLegE, m, m, std::string(to));
        row.S = rideText(first);
        row.M = m;
        row.E = rideText(second);
        row.C = first.stops + second.stops;
        row.plan =
            Plan{static_cast<std::uint32_t>(row.C), {std::move(first), std::move(second)}, false};
        scratch.store(std::move(row));
    }
    plans = scratch.best();
    return OutcomeCode::PlansListed;
}

}  // namespace

void referenceRouteSearch(BusDatabase& database, QueryState& state, Answer& answer) {
    database.connection().exec(
        "CREATE TEMP TABLE IF NOT EXISTS TmpTb (UserId TEXT, S TEXT, M TEXT, E TEXT, C INTEGER)");
    state.lngRecordNum = 0;
    // A picked suggestion line stands for the name before its road or landmarks.
    auto cut = [](const std::string& box) { return box.substr(0, box.find_first_of("[{")); };
    const std::string from = cut(state.strStnaFrom);
    const std::string to = cut(state.strStnaTo);
    if (from.empty() || to.empty()) {
        state.intOutState = from.empty() ? OutcomeCode::NoOrigin : OutcomeCode::NoDestination;
        return;
    }
    answer.from = from;
    answer.to = to;
    SQLite::Database& db = database.connection();
    answer.direct = directLines(db, from, to);
    state.lngRecordNum = static_cast<std::int32_t>(answer.direct.size());
    state.intOutState =
        state.lngRecordNum > 0 ? OutcomeCode::Listed : transferPlans(db, from, to, answer.plans);
}

}  // namespace busquery::test
