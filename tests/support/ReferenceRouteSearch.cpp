#include "support/ReferenceRouteSearch.h"

#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "db/NameList.h"
#include "query/DirectRouteSearch.h"
#include "query/PlanRanking.h"
#include "query/RouteSearch.h"

namespace busquery::test {
namespace {

// A name holding ";" is never one whole name of a list, whatever instr would find.
bool isOneName(std::string_view name) {
    return name.find(';') == std::string_view::npos;
}

std::int32_t directLines(SQLite::Database& db, std::string_view from, std::string_view to,
                         ResultPane& pane) {
    if (!isOneName(from) || !isOneName(to)) return 0;
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
    std::int32_t count = 0;
    while (rows.executeStep()) {
        writeDirectLine(pane, rows.getColumn(0).getString(), rows.getColumn(1).getString(),
                        rows.getColumn(2).getInt64());
        ++count;
    }
    return count;
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

struct Plan {
    std::string S;
    std::string M;
    std::string E;
    std::int64_t C = 0;
};

// "line(n站)" of every row at station, joined by "/"; count is that of the first row.
std::string legsAt(const std::vector<LegRow>& legs, const std::string& station,
                   std::int64_t& count) {
    std::string text;
    for (const auto& leg : legs) {
        if (leg.station != station) continue;
        if (text.empty()) {
            count = leg.stops;
        } else {
            text += "/";
        }
        text += leg.line + "(" + std::to_string(leg.stops) + "站)";
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

    void store(const Plan& plan) {
        insert_.bind(1, tag_);
        insert_.bind(2, plan.S);
        insert_.bind(3, plan.M);
        insert_.bind(4, plan.E);
        insert_.bind(5, plan.C);
        insert_.exec();
        insert_.reset();
    }

    // The ten plans with the lowest C and those tied with the tenth, ties in storing order.
    std::vector<Plan> best() {
        SQLite::Statement rows(db_, R"sql(
            SELECT S, M, E, C
            FROM (SELECT S, M, E, C, rowid AS r, rank() OVER (ORDER BY C) AS place
                  FROM temp.TmpTb WHERE UserId = ?)
            WHERE place <= 10
            ORDER BY C, r)sql");
        rows.bind(1, tag_);
        std::vector<Plan> plans;
        while (rows.executeStep()) {
            plans.push_back(Plan{rows.getColumn(0).getString(), rows.getColumn(1).getString(),
                                 rows.getColumn(2).getString(), rows.getColumn(3).getInt64()});
        }
        return plans;
    }

  private:
    SQLite::Database& db_;
    SQLite::Statement insert_;
    std::string tag_;
};

OutcomeCode transferPlans(SQLite::Database& db, std::string_view from, std::string_view to,
                          ResultPane& pane) {
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
        Plan plan;
        std::int64_t first = 0;
        std::int64_t second = 0;
        plan.S = legsAt(arrLegS, m, first);
        plan.M = m;
        plan.E = legsAt(arrLegE, m, second);
        plan.C = first + second;
        scratch.store(plan);
    }
    std::size_t number = 0;
    for (const auto& plan : scratch.best()) {
        writePlan(pane, ++number, PlanText{plan.S, plan.M, plan.E, plan.C}, from, to);
    }
    return OutcomeCode::PlansListed;
}

}  // namespace

void referenceRouteSearch(BusDatabase& database, QueryState& state, ResultPane& pane) {
    const auto names = startRouteSearch(state, pane);
    if (!names) return;
    SQLite::Database& db = database.connection();
    state.lngRecordNum = directLines(db, names->from, names->to, pane);
    state.intOutState = state.lngRecordNum > 0 ? OutcomeCode::Listed
                                               : transferPlans(db, names->from, names->to, pane);
}

}  // namespace busquery::test
