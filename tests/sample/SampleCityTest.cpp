#include "sample/SampleCity.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "store/BusDataRows.h"
#include "store/BusDatabase.h"
#include "store/Error.h"
#include "store/StationGeometry.h"
#include "store/TimetableTables.h"
#include "support/StagedFileTraps.h"
#include "support/TempDir.h"
#include "text/NameList.h"

namespace busquery {
namespace {

using test::TempDir;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

// The line name without its direction word.
std::string route(const std::string& lnna) {
    return lnna.substr(0, lnna.size() - std::string("上行").size());
}

// Every row of every table, in table order: two files with the same dump hold the same city.
std::string dump(const std::filesystem::path& file) {
    SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
    std::string text;
    for (const char* table : {"\"no\"", "dbdate", "nlninfo", "nstinfo", "TmpTb"}) {
        SQLite::Statement rows(db, std::string("SELECT * FROM ") + table + " ORDER BY rowid");
        while (rows.executeStep()) {
            for (int i = 0; i < rows.getColumnCount(); ++i)
                text += rows.getColumn(i).getString() + '|';
            text += '\n';
        }
    }
    return text;
}

// The lines and stations of a file as its tables hold them, read back without the engine.
struct CityRows {
    struct Station : StationRow {
        std::vector<std::string> lines;  // Passlnna read as a name list
    };
    std::vector<LineRow> lines;              // table (rowid) order
    std::vector<std::uint32_t> linesByLnid;  // indexes into lines: ORDER BY lnid, rowid
    std::vector<Station> stations;           // table (rowid) order
};

CityRows readCity(const std::filesystem::path& file) {
    SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
    CityRows city;
    std::map<std::int64_t, std::uint32_t> indexByRowid;
    SQLite::Statement lines(
        db, "SELECT rowid, lnid, citycode, lnna, fltime, passstna FROM nlninfo ORDER BY rowid");
    while (lines.executeStep()) {
        indexByRowid[lines.getColumn(0).getInt64()] = static_cast<std::uint32_t>(city.lines.size());
        city.lines.push_back({lines.getColumn(1).getInt64(), lines.getColumn(2).getString(),
                              lines.getColumn(3).getString(), lines.getColumn(4).getString(),
                              lines.getColumn(5).getString()});
    }
    SQLite::Statement order(db, "SELECT rowid FROM nlninfo ORDER BY lnid, rowid");
    while (order.executeStep())
        city.linesByLnid.push_back(indexByRowid.at(order.getColumn(0).getInt64()));
    SQLite::Statement stations(db, "SELECT stna, rdna, near, passlnna FROM nstinfo ORDER BY rowid");
    while (stations.executeStep()) {
        CityRows::Station station;
        station.stna = stations.getColumn(0).getString();
        station.rdna = stations.getColumn(1).getString();
        station.near = stations.getColumn(2).getString();
        station.passlnna = stations.getColumn(3).getString();
        station.lines = readNameList(station.passlnna);
        city.stations.push_back(std::move(station));
    }
    return city;
}

// The shipped sample, generated once for every test of the suite.
class SampleCityTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        size_ = writeSampleCity(*dir_ / "busdata", {});
        data_ = new BusDatabase(*dir_ / "busdata");
        city_ = new CityRows(readCity(*dir_ / "busdata"));
    }
    static void TearDownTestSuite() {
        delete city_;
        delete data_;
        delete dir_;
    }

    static const CityRows& city() { return *city_; }

    static TempDir* dir_;
    static BusDatabase* data_;
    static CityRows* city_;
    static SampleCitySize size_;
};

TempDir* SampleCityTest::dir_ = nullptr;
BusDatabase* SampleCityTest::data_ = nullptr;
CityRows* SampleCityTest::city_ = nullptr;
SampleCitySize SampleCityTest::size_;

TEST_F(SampleCityTest, SameSeedSameCityOtherSeedOtherCity) {
    TempDir dir;
    writeSampleCity(dir / "a", {7, 1});
    writeSampleCity(dir / "b", {7, 1});
    writeSampleCity(dir / "c", {8, 1});
    EXPECT_EQ(dump(dir / "a"), dump(dir / "b"));
    EXPECT_NE(dump(dir / "a"), dump(dir / "c"));
    EXPECT_EQ(dump(dir_->path() / "busdata"), [] {
        TempDir again;
        writeSampleCity(again / "busdata", {});
        return dump(again / "busdata");
    }());
}

// FNV-1a: a digest that is the same on every platform.
std::uint64_t digest(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

TEST_F(SampleCityTest, TheTablesTheProgramAnswersFromStayAsShipped) {
    // Positions and walks came later, in tables of their own: every row of the tables the
    // answers come from is the same as in the city first shipped.
    EXPECT_EQ(digest(dump(*dir_ / "busdata")), 0x2a09076e05234256ull)
        << std::hex << digest(dump(*dir_ / "busdata"));
}

TEST_F(SampleCityTest, HoldsWhatTheLineBoxOffers) {
    EXPECT_EQ(size_.stations, city().stations.size());
    EXPECT_EQ(size_.lines, city().lines.size());
    EXPECT_GE(city().stations.size(), 1500u);

    const std::regex numbered("([0-9]+)路(上行|下行)");
    const std::regex times(
        R"(\([0-2][0-9]:[0-5][0-9]-[0-2][0-9]:[0-5][0-9](,[0-2][0-9]:[0-5][0-9]-[0-2][0-9]:[0-5][0-9])?\))");
    std::set<int> numbers;
    std::map<std::string, std::set<std::string>> routesByCategory;
    std::set<std::string> names;
    const std::vector<std::string> categories = {"机场快线",   "地铁",   "公交地铁接驳专线",
                                                 "莲花山专线", "大学城", "高峰快线"};
    for (const auto& line : city().lines) {
        names.insert(line.lnna);
        EXPECT_EQ(line.citycode, "velmorina");
        EXPECT_TRUE(std::regex_match(line.fltime, times)) << line.lnna << " " << line.fltime;
        ASSERT_TRUE(endsWith(line.lnna, "上行") || endsWith(line.lnna, "下行")) << line.lnna;
        std::smatch match;
        if (std::regex_match(line.lnna, match, numbered)) numbers.insert(std::stoi(match[1]));
        for (const auto& category : categories) {
            if (startsWith(line.lnna, category))
                routesByCategory[category].insert(route(line.lnna));
        }
    }
    ASSERT_GE(numbers.size(), 150u);
    EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));  // 1 to N without a gap

    std::vector<std::string> expectedIds;
    for (int n : numbers) {
        expectedIds.push_back(std::to_string(n));
        EXPECT_TRUE(names.contains(std::to_string(n) + "路上行") &&
                    names.contains(std::to_string(n) + "路下行"))
            << n;
    }
    EXPECT_EQ(data_->lineIds(), expectedIds);
    for (const auto& category : categories)
        EXPECT_GE(routesByCategory[category].size(), 2u) << category;
    EXPECT_TRUE(names.contains("地铁1号线上行") && names.contains("地铁1号线下行"));
    for (int n = 1; n <= 49; ++n) {
        const std::string night = "夜" + std::to_string(n) + "路";
        EXPECT_TRUE(names.contains(night + "上行") && names.contains(night + "下行")) << night;
    }
    EXPECT_EQ(data_->dataDate(), "2009.1.6");
    SQLite::Database raw((*dir_ / "busdata").string(), SQLite::OPEN_READONLY);
    EXPECT_EQ(raw.execAndGet("SELECT count(*) FROM TmpTb").getInt(), 0);
}

TEST_F(SampleCityTest, LnidListsNumberedLinesInOrderThenCategoriesThenNightLines) {
    auto group = [](const std::string& lnna) {
        if (lnna[0] >= '0' && lnna[0] <= '9') return 0;
        if (startsWith(lnna, "夜")) return 2;
        return 1;
    };
    const auto& lines = city().lines;
    const auto& order = city().linesByLnid;
    ASSERT_EQ(order.size(), lines.size());
    bool tableOrderDiffers = false;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::string& name = lines[order[i]].lnna;
        tableOrderDiffers |= order[i] != i;
        // Both directions of a line side by side, the outward one first.
        if (i % 2 == 0) {
            ASSERT_TRUE(endsWith(name, "上行")) << name;
            const auto& back = lines[order[i + 1]];
            EXPECT_EQ(back.lnna, route(name) + "下行");
            const auto backStops = readNameList(back.passstna);
            const auto outStops = readNameList(lines[order[i]].passstna);
            EXPECT_TRUE(
                std::equal(backStops.begin(), backStops.end(), outStops.rbegin(), outStops.rend()))
                << name;
        }
        if (i == 0) continue;
        const std::string& previous = lines[order[i - 1]].lnna;
        ASSERT_LE(group(previous), group(name)) << previous << " before " << name;
        if (group(name) == 0 && group(previous) == 0 && i % 2 == 0) {
            EXPECT_EQ(std::stoi(name), std::stoi(previous) + 1) << previous << " before " << name;
        }
    }
    EXPECT_TRUE(tableOrderDiffers) << "lnid, not table order, must give the listing";
    EXPECT_EQ(lines[order[0]].lnna, "1路上行");
    EXPECT_EQ(lines[order.back()].lnna, "夜49路下行");
}

TEST_F(SampleCityTest, StationsAndLinesListEachOther) {
    std::unordered_map<std::string, std::size_t> lineByName;
    std::unordered_map<std::string, std::size_t> rank;  // position in lnid order
    for (std::size_t i = 0; i < city().linesByLnid.size(); ++i) {
        rank[city().lines[city().linesByLnid[i]].lnna] = i;
    }
    for (std::size_t i = 0; i < city().lines.size(); ++i) {
        const auto& line = city().lines[i];
        EXPECT_TRUE(lineByName.emplace(line.lnna, i).second) << "two lines named " << line.lnna;
        const auto stops = readNameList(line.passstna);
        std::set<std::string> distinct(stops.begin(), stops.end());
        EXPECT_EQ(distinct.size(), stops.size()) << line.lnna << " passes a station twice";
        EXPECT_GE(stops.size(), 2u) << line.lnna;
    }
    std::set<std::pair<std::string, std::string>> listed;  // (station, line) from Passlnna
    for (const auto& station : city().stations) {
        ASSERT_FALSE(station.lines.empty()) << station.stna;
        for (std::size_t k = 0; k < station.lines.size(); ++k) {
            const std::string& name = station.lines[k];
            auto line = lineByName.find(name);
            ASSERT_NE(line, lineByName.end()) << station.stna << " lists " << name;
            const auto stops = readNameList(city().lines[line->second].passstna);
            EXPECT_NE(std::find(stops.begin(), stops.end(), station.stna), stops.end())
                << name << " does not pass " << station.stna;
            if (k > 0) {
                EXPECT_LT(rank[station.lines[k - 1]], rank[name]) << station.stna;
            }
            listed.insert({station.stna, name});
        }
    }
    for (const auto& line : city().lines) {
        for (const auto& stop : readNameList(line.passstna)) {
            EXPECT_TRUE(listed.contains({stop, line.lnna}))
                << stop << " does not list " << line.lnna;
        }
    }
}

TEST_F(SampleCityTest, NamesAreFoundExactlyWhereTheyStand) {
    // A station is found in a list by its name followed by ";": no name may end with another.
    std::unordered_set<std::string> names;
    for (const auto& station : city().stations) names.insert(station.stna);
    for (const auto& name : names) {
        EXPECT_EQ(name.find_first_of(";[]{}%_'"), std::string::npos) << name;
        for (std::size_t i = 1; i < name.size(); ++i) {
            if ((static_cast<unsigned char>(name[i]) & 0xC0) == 0x80) continue;
            EXPECT_FALSE(names.contains(name.substr(i))) << name << " ends with " << name.substr(i);
        }
    }
}

TEST_F(SampleCityTest, SomeNamesSharedOnDifferentRoadsSomeFieldsEmpty) {
    std::map<std::string, std::set<std::string>> roadsByName;
    std::size_t emptyRoads = 0, emptyNear = 0;
    for (const auto& station : city().stations) {
        roadsByName[station.stna].insert(station.rdna);
        emptyRoads += station.rdna.empty();
        emptyNear += station.near.empty();
    }
    const auto shared = std::count_if(roadsByName.begin(), roadsByName.end(),
                                      [](const auto& entry) { return entry.second.size() > 1; });
    EXPECT_GE(shared, 3);
    EXPECT_GT(emptyRoads, 0u);
    EXPECT_LT(emptyRoads, city().stations.size() / 4);
    EXPECT_GT(emptyNear, 0u);
    EXPECT_LT(emptyNear, city().stations.size());
}

TEST_F(SampleCityTest, MostPairsAreOneChangeApartSomeAreNot) {
    // As the route search sees it: a direct line carries from a to b, or some station after a on
    // a line through a lies before b on a line through b.
    std::vector<std::vector<std::string>> lists;
    for (const auto& line : city().lines) lists.push_back(readNameList(line.passstna));
    std::unordered_map<std::string,
                       std::vector<std::pair<const std::vector<std::string>*, std::size_t>>>
        at;
    for (const auto& stops : lists) {
        for (std::size_t k = 0; k < stops.size(); ++k) at[stops[k]].push_back({&stops, k});
    }
    std::vector<std::string> names;
    for (const auto& entry : at) names.push_back(entry.first);
    std::sort(names.begin(), names.end());

    int direct = 0, oneChange = 0, neither = 0;
    const std::size_t n = names.size();
    for (std::size_t i = 0; i < 1000; ++i) {
        const std::string& from = names[(i * 7919) % n];
        const std::string& to = names[(i * 104729 + 17) % n];
        if (from == to) continue;
        std::unordered_set<std::string> onward;
        for (const auto& [line, k] : at[from]) onward.insert(line->begin() + k, line->end());
        if (onward.contains(to)) {
            ++direct;
            continue;
        }
        bool met = false;
        for (const auto& [line, k] : at[to]) {
            met |= std::any_of(line->begin(), line->begin() + k,
                               [&](const std::string& stop) { return onward.contains(stop); });
        }
        ++(met ? oneChange : neither);
    }
    const int pairs = direct + oneChange + neither;
    EXPECT_GT(direct, 0);
    EXPECT_GE(direct + oneChange, pairs * 8 / 10)
        << direct << " direct, " << oneChange << " one change";
    EXPECT_GE(neither, pairs / 100) << neither << " of " << pairs;
}

TEST(SampleCityScale, TenTimesTheStationsAndLines) {
    TempDir dir;
    const SampleCitySize one = writeSampleCity(dir / "one", {});
    const SampleCitySize ten = writeSampleCity(dir / "ten", {2009, 10});
    EXPECT_GE(ten.stations, 9 * one.stations);
    EXPECT_LE(ten.stations, 11 * one.stations);
    EXPECT_GE(ten.lines, 3000u);

    SQLite::Database db((dir / "ten").string(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM nstinfo").getInt64(),
              static_cast<std::int64_t>(ten.stations));
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM nlninfo").getInt64(),
              static_cast<std::int64_t>(ten.lines));
    const auto numberedOne =
        SQLite::Database((dir / "one").string()).execAndGet("SELECT count(*) FROM \"no\"").getInt();
    const auto numberedTen = db.execAndGet("SELECT count(*) FROM \"no\"").getInt();
    EXPECT_GE(numberedTen, 9 * numberedOne);
    EXPECT_LE(numberedTen, 11 * numberedOne);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM nlninfo WHERE lnna LIKE '夜%'").getInt(), 98);
}

TEST(SampleCityFile, ReplacesAFileRefusesWhatItMustNotWriteAndLeavesNothingBehind) {
    TempDir dir;
    const auto existing = dir / "busdata";
    std::ofstream(existing) << "old";
    writeSampleCity(existing, {});
    EXPECT_GT(std::filesystem::file_size(existing), 3u);
    try {
        writeSampleCity(dir.path(), {});
        ADD_FAILURE() << "a folder was written over";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(dir.path().string()), std::string::npos) << e.what();
    }

    EXPECT_THROW(writeSampleCity(dir / "missing" / "busdata", {}), Error);
    EXPECT_THROW(writeSampleCity(dir / "zero", {1, 0}), std::invalid_argument);
    EXPECT_THROW(writeSampleCity(dir / "huge", {1, kMaxSampleScale + 1}), std::invalid_argument);

    writeSampleCity(dir / "fresh", {});
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{"busdata", "fresh"}));
}

// The sample city is staged like an import: planted links are not followed, staged files of
// ended processes are cleared, and a failed write names the file in the traveller's words.
TEST(SampleCityFile, IsStagedSafely) {
    TempDir dir;
    const auto out = dir / "busdata";
    const auto victim = dir / "victim";
    test::plantStagedLinks(dir.path(), "busdata", victim);
    const auto stale = dir / test::stagedName("busdata", test::endedProcessId(), "7");
    std::ofstream(stale) << "half a database";

    writeSampleCity(out, {});
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(victim)));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(out)));
    EXPECT_FALSE(std::filesystem::exists(stale));
    std::filesystem::remove(out);

    auto writeWithinALimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            writeSampleCity(out, {});
        } catch (const Error& e) {
            std::fprintf(stderr, "%s\n", e.what());
            const auto left = std::distance(std::filesystem::directory_iterator(dir.path()),
                                            std::filesystem::directory_iterator());
            std::exit(e.kind() == ErrorKind::WriteFailed &&
                              std::string(e.what()).starts_with("无法写入数据文件 “" +
                                                                out.string() + "”：") &&
                              left == 100  // the planted links alone
                          ? 0
                          : 1);
        }
        std::exit(2);
    };
    EXPECT_EXIT(writeWithinALimit(), ::testing::ExitedWithCode(0), "无法写入数据文件");
}

// Every station name has one position; walks join exactly the stations within 400 m, both
// ways, as long as the great-circle distance times 1.3.
TEST_F(SampleCityTest, StationsArePlacedAndNearOnesAreAWalkApart) {
    SQLite::Database db((*dir_ / "busdata").string(), SQLite::OPEN_READONLY);
    std::vector<std::string> names;
    std::vector<GeoPoint> points;
    std::map<std::string, std::size_t> index;
    SQLite::Statement positions(db, "SELECT stna, lat, lon FROM nstpos ORDER BY rowid");
    while (positions.executeStep()) {
        names.push_back(positions.getColumn(0).getString());
        points.push_back({positions.getColumn(1).getDouble(), positions.getColumn(2).getDouble()});
        EXPECT_TRUE(index.emplace(names.back(), names.size() - 1).second) << names.back();
    }
    std::set<std::string> stationNames;
    for (const auto& station : city().stations) stationNames.insert(station.stna);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), stationNames);

    std::map<std::pair<std::size_t, std::size_t>, std::int64_t> walks;
    SQLite::Statement rows(db, "SELECT stna, tostna, metres FROM nstwalk ORDER BY rowid");
    while (rows.executeStep()) {
        const std::size_t from = index.at(rows.getColumn(0).getString());
        const std::size_t to = index.at(rows.getColumn(1).getString());
        EXPECT_NE(from, to);
        EXPECT_TRUE(walks.emplace(std::pair{from, to}, rows.getColumn(2).getInt64()).second);
    }
    std::size_t near = 0;
    std::set<std::size_t> walkers;
    for (std::size_t a = 0; a < points.size(); ++a) {
        for (std::size_t b = 0; b < points.size(); ++b) {
            if (a == b || greatCircleMetres(points[a], points[b]) > kWalkRadiusMetres) continue;
            ++near;
            walkers.insert(a);
            auto walk = walks.find({a, b});
            ASSERT_NE(walk, walks.end()) << names[a] << " to " << names[b];
            EXPECT_EQ(walk->second, walkMetres(points[a], points[b]));
        }
    }
    EXPECT_EQ(walks.size(), near);
    // Only the stops of the busiest blocks are that close.
    EXPECT_GT(walkers.size(), 100u);
    EXPECT_LT(walkers.size(), stationNames.size() * 2 / 3);
}

// Stations stand on their streets: those of one road lie on one parallel or one meridian.
TEST_F(SampleCityTest, StationsOfARoadLieAlongIt) {
    SQLite::Database db((*dir_ / "busdata").string(), SQLite::OPEN_READONLY);
    std::map<std::string, std::vector<GeoPoint>> byRoad;
    SQLite::Statement rows(db,
                           "SELECT i.rdna, p.lat, p.lon FROM nstinfo i JOIN nstpos p "
                           "ON p.stna = i.stna WHERE i.rdna <> '' "
                           "AND i.stna NOT IN (SELECT stna FROM nstinfo GROUP BY stna "
                           "HAVING count(*) > 1)");
    while (rows.executeStep()) {
        byRoad[rows.getColumn(0).getString()].push_back(
            {rows.getColumn(1).getDouble(), rows.getColumn(2).getDouble()});
    }
    ASSERT_GT(byRoad.size(), 40u);
    for (const auto& [road, points] : byRoad) {
        auto sameLat = std::all_of(points.begin(), points.end(), [&](const GeoPoint& p) {
            return std::abs(p.lat - points.front().lat) < 1e-9;
        });
        auto sameLon = std::all_of(points.begin(), points.end(), [&](const GeoPoint& p) {
            return std::abs(p.lon - points.front().lon) < 1e-9;
        });
        EXPECT_TRUE(sameLat || sameLon) << road;
    }
}

}  // namespace
}  // namespace busquery

namespace busquery {
namespace {

// fltime as windows of departure minutes; a window ending before it starts ends after midnight.
std::vector<std::pair<int, int>> serviceWindows(const std::string& fltime) {
    std::vector<std::pair<int, int>> windows;
    static const std::regex span(R"((\d\d):(\d\d)-(\d\d):(\d\d))");
    for (std::sregex_iterator it(fltime.begin(), fltime.end(), span), end; it != end; ++it) {
        const int first = std::stoi((*it)[1]) * 60 + std::stoi((*it)[2]);
        int last = std::stoi((*it)[3]) * 60 + std::stoi((*it)[4]);
        if (last < first) last += 24 * 60;
        windows.emplace_back(first, last);
    }
    return windows;
}

// With trips, every line runs, only inside its service hours, its trips in the order they
// leave, short runs headed for the last stop they serve, and the rest of the file is the city
// without them.
TEST(SampleCityFile, TimetablesRunEveryLineInsideItsServiceHours) {
    TempDir dir;
    writeSampleCity(dir / "plain", {});
    SampleCityOptions options;
    options.timetables = true;
    const SampleCitySize size = writeSampleCity(dir / "timed", options);

    BusDatabase plain(dir / "plain");
    BusDatabase timed(dir / "timed");
    EXPECT_FALSE(hasTimetable(plain));
    ASSERT_TRUE(hasTimetable(timed));
    EXPECT_TRUE(readServices(timed).empty());  // every trip runs every day
    const CityRows plainCity = readCity(dir / "plain");
    const CityRows timedCity = readCity(dir / "timed");
    ASSERT_EQ(timedCity.lines.size(), plainCity.lines.size());
    std::map<std::int64_t, std::size_t> lineByLnid;
    for (std::size_t l = 0; l < timedCity.lines.size(); ++l) {
        EXPECT_EQ(timedCity.lines[l].passstna, plainCity.lines[l].passstna);
        lineByLnid[timedCity.lines[l].lnid] = l;
    }

    std::vector<std::vector<int>> departures(timedCity.lines.size());
    std::size_t trips = 0;
    std::size_t stopTimes = 0;
    std::size_t shortRuns = 0;
    forEachTrip(timed, [&](const TripRow& trip) {
        ++trips;
        const auto& arrivals = trip.times.arrivals;
        const auto end = std::find(arrivals.begin(), arrivals.end(), TripTimes::kNoStop);
        const auto served = static_cast<std::size_t>(end - arrivals.begin());
        stopTimes += served;
        ASSERT_GE(served, 2u) << trip.lnid;
        EXPECT_TRUE(std::all_of(end, arrivals.end(),
                                [](std::uint16_t m) { return m == TripTimes::kNoStop; }));
        const auto stops = readNameList(timedCity.lines[lineByLnid.at(trip.lnid)].passstna);
        EXPECT_EQ(trip.headsign, stops.at(served - 1)) << trip.lnid;
        shortRuns += served < arrivals.size();
        departures[lineByLnid.at(trip.lnid)].push_back(trip.times.departures.front());
    });
    EXPECT_EQ(trips, size.trips);
    EXPECT_EQ(stopTimes, size.stopTimes);
    EXPECT_GT(shortRuns, trips / 50);

    std::size_t outside = 0;
    for (std::size_t l = 0; l < timedCity.lines.size(); ++l) {
        ASSERT_FALSE(departures[l].empty()) << timedCity.lines[l].lnna;
        const auto windows = serviceWindows(timedCity.lines[l].fltime);
        EXPECT_TRUE(std::is_sorted(departures[l].begin(), departures[l].end()))
            << timedCity.lines[l].lnna;
        for (const int departure : departures[l]) {
            outside += std::none_of(windows.begin(), windows.end(), [&](const auto& w) {
                return departure >= w.first && departure <= w.second;
            });
        }
    }
    EXPECT_EQ(outside, 0u);
}

}  // namespace
}  // namespace busquery
