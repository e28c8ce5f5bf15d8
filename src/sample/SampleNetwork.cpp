#include "sample/SampleNetwork.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <utility>

#include "sample/SampleNames.h"
#include "sample/SampleRandom.h"
#include "store/City.h"

namespace busquery {
namespace {

using Stops = std::vector<std::size_t>;

struct Cell {
    int row = 0;
    int col = 0;
    bool operator==(const Cell&) const = default;
};

// A position or a step on the map, in metres east and south.
struct Metres {
    double east = 0;
    double south = 0;
    Metres operator+(Metres other) const { return {east + other.east, south + other.south}; }
    Metres operator*(double factor) const { return {east * factor, south * factor}; }
};

Metres at(Cell cell) {
    return {cell.col * kBlockMetres, cell.row * kBlockMetres};
}

// A place beyond the grid: a highway leaves the grid at its anchor crossing, the main street
// follows and ends at the terminal; a cross street may meet the main street halfway.
struct Outpost {
    Cell anchor;
    Cell inward;    // one step from the anchor into the grid
    Stops highway;  // from the anchor outwards
    Stops main;     // the last stop is the terminal
    Stops cross;    // through main[main.size() / 2], which it holds; may be empty
};

// Fixed places of the city: the stations of the airport, the university town and the mountain.
struct Area {
    const char* highwayRoad;
    int highwayStops;
    const char* mainRoad;
    std::vector<std::string> main;
    const char* crossRoad;
    std::vector<std::string> cross;  // may be empty
    std::size_t crossSplit;  // the cross street meets the main street before cross[crossSplit]
};

const Area kAirport{"机场高速", 2,  "机场路", {"机场南", "机场宾馆", "机场货运站", "机场航站楼"},
                    "",         {}, 0};
const Area kUniversity{"大学城快速路",
                       2,
                       "大学城大道",
                       {"大学城北", "理工大学", "大学城中心", "师范大学", "医科大学", "大学城南"},
                       "学府路",
                       {"外国语学院", "大学城西", "大学城东", "艺术学院"},
                       2};
const Area kLianhua{
    "莲花山路", 3,
    "环山路",   {"莲花山庄", "莲花湖", "莲花山南门", "莲花山公园", "莲花山索道站", "莲花山寺"},
    "",         {},
    0};

// Stations every town has, under the same names on each town's own streets.
const std::vector<std::string> kTownPlaces = {"镇政府", "中心小学", "卫生院", "农贸市场",
                                              "文化站", "派出所",   "供销社", "信用社",
                                              "敬老院", "粮站",     "邮电所", "镇中学"};

class Builder {
  public:
    Builder(SampleRandom& random, int scale)
        : random_(random),
          names_(random),
          scale_(scale),
          size_(static_cast<int>(std::lround(21 * std::sqrt(static_cast<double>(scale))))),
          centre_(size_ / 2) {}

    SampleNetwork build();

  private:
    std::size_t addStop(std::string name, std::string road, std::string landmarks);
    void locate(std::size_t stop, Metres position) {
        network_.stops[stop].east = position.east;
        network_.stops[stop].south = position.south;
    }
    Metres position(std::size_t stop) const {
        return {network_.stops[stop].east, network_.stops[stop].south};
    }
    // One step from the outpost's anchor away from the grid, and one across it.
    static Metres outward(const Outpost& place) {
        return {static_cast<double>(place.anchor.col - place.inward.col),
                static_cast<double>(place.anchor.row - place.inward.row)};
    }
    static Metres across(const Outpost& place) {
        return {-outward(place).south, outward(place).east};
    }
    // The stops of a cross street, `before` of them on one side of the main street.
    void locateCrossStreet(const Outpost& place, std::size_t before);
    void addRoute(RouteKind kind, Stops stops) {
        network_.routes.push_back({kind, std::move(stops)});
    }
    std::size_t numbered() const;

    // The grid.
    void layGrid();
    std::size_t crossing(Cell cell) const;
    bool inside(Cell cell) const;
    // The crossing length steps away along one axis; turned back at the city's edge.
    Cell step(Cell from, bool alongRow, int length, int direction) const;
    int direction() { return random_.percent(50) ? 1 : -1; }
    std::vector<Cell> unitSteps(const std::vector<Cell>& corners) const;
    // Every stop along the roads from corner to corner.
    Stops walk(const std::vector<Cell>& corners) const;
    // Only every n-th crossing along the roads, and the last one.
    Stops express(const std::vector<Cell>& corners, int every) const;
    // From one crossing to another by alternating turns, as radial routes cross a grid.
    std::vector<Cell> staircase(Cell from, Cell to, int longest);
    Cell nearCentre(int spread);
    // A crossing depth steps into the grid from the outpost's anchor, then up to sideways steps
    // across.
    Cell inland(const Outpost& place, int depth, int sideways);

    // The routes of the grid.
    void ringRoutes();
    void metroRoutes();
    void feederRoute(RouteKind kind);
    // Every district has three hubs close to its centre (the railway station, the square, the
    // bus terminal). Most city lines run from the district's edge through two of them, so any
    // two of these lines meet at a hub: the city is one change across, as real cities are.
    void placeHubs();
    void hubRoute();

    // Beyond the grid.
    Outpost outpost(const std::string& highwayRoad, int highwayStops);
    Outpost area(const Area& area);
    Outpost town();
    void village(const Outpost& town);
    void outpostRoutes(const Outpost& place, bool radial);
    // The outpost's stops from the terminal back to the anchor's side, as many as asked.
    Stops fromTerminal(const Outpost& place, std::size_t count) const;

    SampleRandom& random_;
    SampleNames names_;
    const int scale_;
    const int size_;
    const int centre_;
    SampleNetwork network_;
    std::vector<Stops> rowRoads_;
    std::vector<Stops> colRoads_;
    std::vector<std::vector<std::size_t>>
        rowAt_;  // [row][col]: index of the crossing in its row road
    std::vector<std::vector<std::size_t>> colAt_;  // [col][row]
    std::set<std::pair<int, int>> anchorsTaken_;
    std::vector<Cell> metroStations_;
    int districts_ = 1;                    // per side
    std::vector<std::vector<Cell>> hubs_;  // three per district, close to its centre
};

std::size_t Builder::addStop(std::string name, std::string road, std::string landmarks) {
    network_.stops.push_back({std::move(name), std::move(road), std::move(landmarks)});
    return network_.stops.size() - 1;
}

std::size_t Builder::numbered() const {
    return static_cast<std::size_t>(
        std::count_if(network_.routes.begin(), network_.routes.end(), [](const SampleRoute& route) {
            return route.kind == RouteKind::Bus || route.kind == RouteKind::Country;
        }));
}

void Builder::layGrid() {
    // Some long roads change their name at the centre (中山东路, 中山西路), as in old cities.
    struct Road {
        std::string stem;
        std::string whole;
        bool split;
    };
    auto makeRoads = [&] {
        std::vector<Road> roads;
        for (int i = 0; i < size_; ++i) {
            std::string stem = names_.freshStem();
            roads.push_back({stem, names_.roadName(stem), random_.percent(25)});
        }
        return roads;
    };
    std::vector<Road> rows = makeRoads();
    std::vector<Road> cols = makeRoads();
    auto rowRoad = [&](int row, int col) {
        const Road& road = rows[row];
        return road.split ? names_.halfRoadName(road.stem, false, col < centre_) : road.whole;
    };
    auto colRoad = [&](int col, int row) {
        const Road& road = cols[col];
        return road.split ? names_.halfRoadName(road.stem, true, row < centre_) : road.whole;
    };
    auto midBlock = [&](std::string road) {
        if (random_.percent(2)) road.clear();  // a gap in the survey, as real data has
        std::string name = names_.streetStation(road);
        return addStop(std::move(name), std::move(road), names_.landmarks(35));
    };

    std::vector<std::vector<std::size_t>> crossings(size_, std::vector<std::size_t>(size_));
    rowRoads_.assign(size_, {});
    colRoads_.assign(size_, {});
    rowAt_.assign(size_, std::vector<std::size_t>(size_));
    colAt_.assign(size_, std::vector<std::size_t>(size_));
    for (int row = 0; row < size_; ++row) {
        for (int col = 0; col < size_; ++col) {
            std::string across = rowRoad(row, col);
            std::string along = colRoad(col, row);
            if (random_.percent(50)) std::swap(across, along);
            std::string name = names_.crossingStation(across, along);
            crossings[row][col] = addStop(std::move(name), std::move(across), names_.landmarks(45));
            locate(crossings[row][col], at({row, col}));
            rowAt_[row][col] = rowRoads_[row].size();
            rowRoads_[row].push_back(crossings[row][col]);
            if (col + 1 == size_) break;
            const int count = random_.between(1, 3);
            for (int k = count; k > 0; --k) {
                rowRoads_[row].push_back(midBlock(rowRoad(row, col)));
                const double share = static_cast<double>(count - k + 1) / (count + 1);
                locate(rowRoads_[row].back(), at({row, col}) + Metres{kBlockMetres, 0} * share);
            }
        }
    }
    for (int col = 0; col < size_; ++col) {
        for (int row = 0; row < size_; ++row) {
            colAt_[col][row] = colRoads_[col].size();
            colRoads_[col].push_back(crossings[row][col]);
            if (row + 1 == size_) break;
            const int count = random_.between(1, 3);
            for (int k = count; k > 0; --k) {
                colRoads_[col].push_back(midBlock(colRoad(col, row)));
                const double share = static_cast<double>(count - k + 1) / (count + 1);
                locate(colRoads_[col].back(), at({row, col}) + Metres{0, kBlockMetres} * share);
            }
        }
    }
}

std::size_t Builder::crossing(Cell cell) const {
    return rowRoads_[cell.row][rowAt_[cell.row][cell.col]];
}

bool Builder::inside(Cell cell) const {
    return cell.row >= 0 && cell.row < size_ && cell.col >= 0 && cell.col < size_;
}

Cell Builder::step(Cell from, bool alongRow, int length, int direction) const {
    auto moved = [&](int d) {
        Cell to = from;
        (alongRow ? to.col : to.row) += d * length;
        return to;
    };
    if (inside(moved(direction))) return moved(direction);
    if (inside(moved(-direction))) return moved(-direction);
    Cell to = moved(direction);
    to.row = std::clamp(to.row, 0, size_ - 1);
    to.col = std::clamp(to.col, 0, size_ - 1);
    return to;
}

std::vector<Cell> Builder::unitSteps(const std::vector<Cell>& corners) const {
    std::vector<Cell> cells{corners.front()};
    for (std::size_t i = 1; i < corners.size(); ++i) {
        Cell at = corners[i - 1];
        const Cell to = corners[i];
        if (at.row != to.row && at.col != to.col)
            throw std::logic_error("sample city: diagonal leg");
        while (at != to) {
            at.row += (to.row > at.row) - (to.row < at.row);
            at.col += (to.col > at.col) - (to.col < at.col);
            cells.push_back(at);
        }
    }
    return cells;
}

Stops Builder::walk(const std::vector<Cell>& corners) const {
    std::vector<Cell> cells = unitSteps(corners);
    Stops stops{crossing(cells.front())};
    for (std::size_t i = 1; i < cells.size(); ++i) {
        const Cell from = cells[i - 1];
        const Cell to = cells[i];
        const bool alongRow = from.row == to.row;
        const Stops& road = alongRow ? rowRoads_[from.row] : colRoads_[from.col];
        const auto& at = alongRow ? rowAt_[from.row] : colAt_[from.col];
        std::size_t a = alongRow ? at[from.col] : at[from.row];
        std::size_t b = alongRow ? at[to.col] : at[to.row];
        while (a != b) {
            a = a < b ? a + 1 : a - 1;
            stops.push_back(road[a]);
        }
    }
    return stops;
}

Stops Builder::express(const std::vector<Cell>& corners, int every) const {
    std::vector<Cell> cells = unitSteps(corners);
    Stops stops;
    for (std::size_t i = 0; i < cells.size(); i += every) stops.push_back(crossing(cells[i]));
    if (stops.back() != crossing(cells.back())) stops.push_back(crossing(cells.back()));
    return stops;
}

std::vector<Cell> Builder::staircase(Cell from, Cell to, int longest) {
    std::vector<Cell> corners{from};
    Cell at = from;
    bool alongRow = random_.percent(50);
    while (at != to) {
        int& position = alongRow ? at.col : at.row;
        const int target = alongRow ? to.col : to.row;
        if (position != target) {
            int length = std::min(random_.between(1, longest), std::abs(target - position));
            position += target > position ? length : -length;
            corners.push_back(at);
        }
        alongRow = !alongRow;
    }
    return corners;
}

Cell Builder::nearCentre(int spread) {
    return {centre_ + random_.between(-spread, spread), centre_ + random_.between(-spread, spread)};
}

Cell Builder::inland(const Outpost& place, int depth, int sideways) {
    Cell cell = place.anchor;
    cell.row += (place.inward.row - place.anchor.row) * depth;
    cell.col += (place.inward.col - place.anchor.col) * depth;
    if (sideways == 0) return cell;
    const bool alongRow = place.inward.row != place.anchor.row;
    return step(cell, alongRow, random_.between(1, sideways), direction());
}

void Builder::ringRoutes() {
    for (int radius = 3; radius <= centre_ - 2; radius += 3) {
        const int low = centre_ - radius;
        const int high = centre_ + radius;
        std::vector<Cell> ring =
            unitSteps({{low, low}, {low, high}, {high, high}, {high, low}, {low, low}});
        ring.pop_back();  // the walk closes where it began
        const int perimeter = static_cast<int>(ring.size());
        const int arcs = (perimeter + 11) / 12;
        for (int arc = 0; arc < arcs; ++arc) {
            const int first = arc * perimeter / arcs + random_.between(0, 2);
            const int length = std::min(perimeter / arcs + random_.between(3, 5), perimeter - 2);
            std::vector<Cell> cells;
            for (int k = 0; k <= length; ++k) cells.push_back(ring[(first + k) % perimeter]);
            addRoute(RouteKind::Bus, walk(cells));
        }
    }
}

void Builder::metroRoutes() {
    // Stations at every second crossing, placed so that every line stops at the centre's row or
    // column, where the lines meet.
    const int parity = centre_ % 2;
    auto addMetro = [&](const std::vector<Cell>& corners) {
        Stops stops = express(corners, 2);
        for (const Cell& cell : unitSteps(corners)) {
            if (std::find(stops.begin(), stops.end(), crossing(cell)) != stops.end()) {
                metroStations_.push_back(cell);
            }
        }
        addRoute(RouteKind::Metro, std::move(stops));
    };
    const int last = size_ - 1 - (size_ - 1 - parity) % 2;
    addMetro({{centre_, parity}, {centre_, last}});
    addMetro({{parity, centre_}, {last, centre_}});
    const int corner = parity == 1 ? 1 : 2;
    std::vector<Cell> diagonal{{corner, corner}};
    while (diagonal.back().row + 2 <= size_ - 2) {
        Cell down{diagonal.back().row + 2, diagonal.back().col};
        diagonal.push_back(down);
        diagonal.push_back({down.row, down.col + 2});
    }
    addMetro(diagonal);

    std::set<int> taken{centre_};
    for (int line = 3; line < 3 + scale_; ++line) {
        const bool alongRow = line % 2 == 1;
        int offset = 0;
        while (taken.contains(centre_ + offset)) {
            offset = random_.between(2, std::max(2, centre_ / 2)) * direction();
        }
        taken.insert(centre_ + offset);
        auto cell = [&](int position) {
            return alongRow ? Cell{centre_ + offset, position} : Cell{position, centre_ + offset};
        };
        auto bend = [&](Cell at) {
            return step(at, !alongRow, 2 * random_.between(1, 2), offset > 0 ? -1 : 1);
        };
        std::vector<Cell> corners;
        const Cell first = cell(parity + 2 * random_.between(0, 1));
        const Cell final = cell(last - 2 * random_.between(0, 1));
        if (random_.percent(50)) corners.push_back(bend(first));
        corners.push_back(first);
        corners.push_back(final);
        if (random_.percent(50)) corners.push_back(bend(final));
        addMetro(corners);
    }
}

void Builder::placeHubs() {
    districts_ = std::max(1, static_cast<int>(std::lround(std::sqrt(static_cast<double>(scale_)))));
    for (int row = 0; row < districts_; ++row) {
        for (int col = 0; col < districts_; ++col) {
            const Cell centre{(2 * row + 1) * size_ / (2 * districts_),
                              (2 * col + 1) * size_ / (2 * districts_)};
            hubs_.push_back(
                {centre, {centre.row - 2, centre.col + 1}, {centre.row + 1, centre.col + 2}});
        }
    }
}

void Builder::hubRoute() {
    const std::vector<Cell>& hubs = random_.pick(hubs_);
    const Cell centre = hubs.front();
    const int reach = size_ / districts_ / 2;
    for (;;) {
        // Lines reach out from the centre to the edge of the district.
        int far = random_.between(reach / 2, reach) * direction();
        int across = random_.between(-reach, reach);
        if (random_.percent(50)) std::swap(far, across);
        Cell from{std::clamp(centre.row + far, 0, size_ - 1),
                  std::clamp(centre.col + across, 0, size_ - 1)};
        const std::size_t first = random_.below(3);
        const std::size_t second = (first + random_.between(1, 2)) % 3;
        std::vector<Cell> corners = staircase(from, hubs[first], 3);
        std::vector<Cell> onward = staircase(hubs[first], hubs[second], 2);
        corners.insert(corners.end(), onward.begin() + 1, onward.end());
        Stops stops = walk(corners);
        // A line of more than 60 stops is unusual; a line through a stop twice is not wanted.
        std::vector<std::size_t> sorted = stops;
        std::sort(sorted.begin(), sorted.end());
        if (stops.size() > 60 || std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
            continue;
        }
        if (random_.percent(50)) std::reverse(stops.begin(), stops.end());
        addRoute(RouteKind::Bus, std::move(stops));
        return;
    }
}

void Builder::feederRoute(RouteKind kind) {
    const Cell station = random_.pick(metroStations_);
    const bool alongRow = random_.percent(50);
    Cell turn = step(station, alongRow, random_.between(2, 4), direction());
    Cell end = step(turn, !alongRow, random_.between(1, 3), direction());
    addRoute(kind, walk({station, turn, end}));
}

Outpost Builder::outpost(const std::string& highwayRoad, int highwayStops) {
    Outpost place;
    for (;;) {
        const int side = random_.between(0, 3);
        const int position = random_.between(2, size_ - 3);
        if (anchorsTaken_.contains({side, position})) continue;
        for (int near = -1; near <= 1; ++near) anchorsTaken_.insert({side, position + near});
        switch (side) {
            case 0:
                place.anchor = {0, position}, place.inward = {1, position};
                break;
            case 1:
                place.anchor = {position, size_ - 1}, place.inward = {position, size_ - 2};
                break;
            case 2:
                place.anchor = {size_ - 1, position}, place.inward = {size_ - 2, position};
                break;
            default:
                place.anchor = {position, 0}, place.inward = {position, 1};
                break;
        }
        break;
    }
    for (int k = 0; k < highwayStops; ++k) {
        std::string road = random_.percent(40) ? std::string() : highwayRoad;
        place.highway.push_back(addStop(names_.highwayStation(), std::move(road), ""));
        locate(place.highway.back(),
               at(place.anchor) + outward(place) * (kHighwayMetres * (k + 1)));
    }
    return place;
}

Outpost Builder::area(const Area& area) {
    Outpost place = outpost(area.highwayRoad, area.highwayStops);
    const Metres end = position(place.highway.back());
    for (const auto& name : area.main) {
        place.main.push_back(addStop(name, area.mainRoad, names_.landmarks(30)));
        locate(place.main.back(),
               end + outward(place) * (kStreetMetres * static_cast<double>(place.main.size())));
    }
    if (!area.cross.empty()) {
        for (std::size_t i = 0; i < area.cross.size(); ++i) {
            if (i == area.crossSplit) place.cross.push_back(place.main[place.main.size() / 2]);
            place.cross.push_back(addStop(area.cross[i], area.crossRoad, names_.landmarks(30)));
        }
        locateCrossStreet(place, area.crossSplit);
    }
    return place;
}

Outpost Builder::town() {
    const std::string stem = names_.freshStem();
    Outpost place = outpost(stem + "公路", random_.between(3, 5));
    std::vector<std::string> shared = kTownPlaces;
    random_.shuffle(shared);
    auto next = shared.begin();

    const std::string mainRoad =
        stem + random_.pick(std::vector<std::string>{"大街", "正街", "中路"});
    const int length = random_.between(6, 9);
    for (int k = 0; k < length; ++k) {
        std::string name;
        if (k + 1 == length) {
            name = names_.claimFirst([&] {
                return stem + random_.pick(std::vector<std::string>{"汽车站", "车站", "客运站"});
            });
        } else if (k == length / 2 && names_.claim(stem + "镇")) {
            name = stem + "镇";
        } else if (next != shared.end() && random_.percent(45) && names_.share(*next)) {
            name = *next++;
        } else {
            name = names_.streetStation(mainRoad);
        }
        place.main.push_back(addStop(std::move(name), mainRoad, names_.landmarks(20)));
        locate(place.main.back(),
               position(place.highway.back()) + outward(place) * (kStreetMetres * (k + 1)));
    }

    const std::string crossRoad = names_.roadName(names_.freshStem());
    const int before = random_.between(1, 3);
    const int after = random_.between(1, 3);
    for (int k = 0; k < before + after; ++k) {
        if (k == before) place.cross.push_back(place.main[place.main.size() / 2]);
        const bool common = next != shared.end() && random_.percent(30) && names_.share(*next);
        std::string name = common ? *next++ : names_.streetStation(crossRoad);
        place.cross.push_back(addStop(std::move(name), crossRoad, names_.landmarks(20)));
    }
    locateCrossStreet(place, static_cast<std::size_t>(before));
    return place;
}

void Builder::locateCrossStreet(const Outpost& place, std::size_t before) {
    const Metres junction = position(place.cross[before]);
    for (std::size_t k = 0; k < place.cross.size(); ++k) {
        const double steps = static_cast<double>(k) - static_cast<double>(before);
        if (k != before) locate(place.cross[k], junction + across(place) * (kStreetMetres * steps));
    }
}

void Builder::village(const Outpost& town) {
    // Reached only by this route from the town's terminal: from here most of the city is two
    // changes away.
    const std::string stem = names_.freshStem();
    Stops stops{town.main.back()};
    for (int k = random_.between(5, 8); k > 0; --k) {
        stops.push_back(addStop(names_.villageStation(stem), "", ""));
        locate(stops.back(),
               position(stops.front()) +
                   outward(town) * (kVillageMetres * static_cast<double>(stops.size() - 1)));
    }
    addRoute(RouteKind::Country, std::move(stops));
}

Stops Builder::fromTerminal(const Outpost& place, std::size_t count) const {
    Stops stops(place.main.rbegin(), place.main.rend());
    stops.insert(stops.end(), place.highway.rbegin(), place.highway.rend());
    stops.resize(std::min(count, stops.size()));
    return stops;
}

void Builder::outpostRoutes(const Outpost& place, bool radial) {
    auto onward = [&](Stops stops) {
        stops.insert(stops.end(), place.highway.begin(), place.highway.end());
        stops.insert(stops.end(), place.main.begin(), place.main.end());
        return stops;
    };
    // Country lines leave from the nearest district's hubs and stop only at crossings in town.
    const std::vector<Cell>* nearest = &hubs_.front();
    auto distance = [&](Cell a) {
        return std::abs(a.row - place.anchor.row) + std::abs(a.col - place.anchor.col);
    };
    for (const auto& hubs : hubs_) {
        if (distance(hubs.front()) < distance(nearest->front())) nearest = &hubs;
    }
    addRoute(RouteKind::Country,
             onward(express(staircase(random_.pick(*nearest), place.anchor, 3), 1)));
    if (!place.cross.empty()) addRoute(RouteKind::Country, place.cross);
    if (radial) {
        Cell from = inland(place, std::min(centre_, random_.between(6, 9)), 4);
        addRoute(RouteKind::Bus, onward(walk(staircase(from, place.anchor, 2))));
    }
}

SampleNetwork Builder::build() {
    for (const Area* fixed : {&kAirport, &kUniversity, &kLianhua}) {
        for (const auto& name : fixed->main) names_.claim(name);
        for (const auto& name : fixed->cross) names_.claim(name);
    }
    for (const auto& name : kTownPlaces) names_.share(name);

    layGrid();
    placeHubs();
    ringRoutes();
    metroRoutes();

    const Outpost airport = area(kAirport);
    const Outpost university = area(kUniversity);
    const Outpost lianhua = area(kLianhua);
    std::vector<Outpost> towns;
    for (int k = 0; k < 4 + 2 * scale_; ++k) towns.push_back(town());
    for (const Outpost* place : {&airport, &university, &lianhua}) outpostRoutes(*place, false);
    for (std::size_t k = 0; k < towns.size(); ++k) {
        outpostRoutes(towns[k], random_.percent(50));
        if (k < static_cast<std::size_t>(2 + scale_)) village(towns[k]);
    }
    for (int k = 0; k < 5 * scale_; ++k) feederRoute(RouteKind::Bus);

    for (int k = 0; k < 2 * scale_; ++k) {
        Stops stops = fromTerminal(airport, 2);
        Stops city = express(staircase(airport.anchor, nearCentre(4), 3), 2);
        stops.insert(stops.end(), city.begin(), city.end());
        addRoute(RouteKind::AirportExpress, std::move(stops));
    }
    for (int k = 0; k < 2 * scale_; ++k) feederRoute(RouteKind::MetroFeeder);
    for (int k = 0; k < 2 * scale_; ++k) {
        Stops stops = fromTerminal(lianhua, static_cast<std::size_t>(random_.between(2, 4)));
        Stops city = express(staircase(lianhua.anchor, nearCentre(5), 3), 2);
        stops.insert(stops.end(), city.begin(), city.end());
        addRoute(RouteKind::Lianhua, std::move(stops));
    }
    for (int k = 0; k < 2 * scale_; ++k) {
        Stops stops = fromTerminal(university, university.main.size() + university.highway.size());
        Cell to = inland(university, random_.between(4, 8), 5);
        Stops city = walk(staircase(university.anchor, to, 2));
        stops.insert(stops.end(), city.begin(), city.end());
        addRoute(RouteKind::University, std::move(stops));
    }
    for (int k = 0; k < 2 * scale_; ++k) {
        const Outpost& place = random_.pick(towns);
        Stops stops{place.main.back(), place.main[place.main.size() / 2], place.main.front()};
        Stops city = express(staircase(place.anchor, nearCentre(3), 3), 2);
        stops.insert(stops.end(), city.begin(), city.end());
        addRoute(RouteKind::PeakExpress, std::move(stops));
    }
    while (numbered() < SampleNetwork::numberedTarget(scale_)) hubRoute();

    // Night lines run the way of day lines of the city, each of another one.
    std::vector<std::size_t> day;
    for (std::size_t i = 0; i < network_.routes.size(); ++i) {
        if (network_.routes[i].kind == RouteKind::Bus) day.push_back(i);
    }
    random_.shuffle(day);
    for (int k = 0; k < kNightLines; ++k) addRoute(RouteKind::Night, network_.routes[day[k]].stops);
    return std::move(network_);
}

}  // namespace

SampleNetwork SampleNetwork::build(SampleRandom& random, int scale) {
    return Builder(random, scale).build();
}

}  // namespace busquery
