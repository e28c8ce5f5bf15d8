#include "gtfs/NearestStations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>
#include <tuple>

namespace busquery {
namespace {

using Point3 = std::array<double, 3>;

struct Box {
    Point3 low;
    Point3 high;
};

// Positions on a sphere of the earth's mean radius, so that nearness needs no care for poles
// or the 180th meridian.
Point3 onSphere(GeoPoint point) {
    const double lat = point.lat * std::numbers::pi / 180;
    const double lon = point.lon * std::numbers::pi / 180;
    return {kEarthRadiusMetres * std::cos(lat) * std::cos(lon),
            kEarthRadiusMetres * std::cos(lat) * std::sin(lon), kEarthRadiusMetres * std::sin(lat)};
}

double squared(double x) {
    return x * x;
}

double distance2(const Point3& a, const Point3& b) {
    return squared(a[0] - b[0]) + squared(a[1] - b[1]) + squared(a[2] - b[2]);
}

double nearest2(const Box& box, const Point3& p) {
    double sum = 0;
    for (int axis = 0; axis < 3; ++axis) {
        if (p[axis] < box.low[axis]) sum += squared(box.low[axis] - p[axis]);
        if (p[axis] > box.high[axis]) sum += squared(p[axis] - box.high[axis]);
    }
    return sum;
}

double farthest2(const Box& box, const Point3& p) {
    double sum = 0;
    for (int axis = 0; axis < 3; ++axis) {
        sum += squared(std::max(p[axis] - box.low[axis], box.high[axis] - p[axis]));
    }
    return sum;
}

// A balanced tree kept in one array: the subtree of [lo, hi) has its splitting point at the
// middle, the points before it on the lower side of its axis.
class Tree {
  public:
    explicit Tree(std::vector<Point3> points)
        : points_(std::move(points)),
          order_(points_.size()),
          boxes_(points_.size()),
          axes_(points_.size()) {
        std::iota(order_.begin(), order_.end(), 0u);
        build(0, order_.size());
    }

    struct Search {
        Point3 at;
        std::uint32_t self;
        double radius2;
        std::uint32_t most;
        std::vector<std::pair<double, std::uint32_t>> best;  // squared distance, nearest first
        std::uint64_t within = 0;                            // itself included
    };

    void visit(std::size_t lo, std::size_t hi, bool counting, Search& search) const {
        if (lo >= hi) return;
        const std::size_t mid = lo + (hi - lo) / 2;
        const double near2 = nearest2(boxes_[mid], search.at);
        if (near2 > search.radius2) return;
        if (counting && farthest2(boxes_[mid], search.at) <= search.radius2) {
            search.within += hi - lo;
            counting = false;
        }
        if (!counting && search.best.size() == search.most && near2 >= search.best.back().first) {
            return;
        }
        const std::uint32_t point = order_[mid];
        const double d2 = distance2(points_[point], search.at);
        if (d2 <= search.radius2) {
            if (counting) ++search.within;
            if (point != search.self) offer(search, d2, point);
        }
        const int axis = axes_[mid];
        if (search.at[axis] <= points_[point][axis]) {
            visit(lo, mid, counting, search);
            visit(mid + 1, hi, counting, search);
        } else {
            visit(mid + 1, hi, counting, search);
            visit(lo, mid, counting, search);
        }
    }

    std::size_t size() const { return order_.size(); }
    const Point3& point(std::uint32_t i) const { return points_[i]; }

  private:
    static void offer(Search& search, double d2, std::uint32_t point) {
        if (search.best.size() == search.most) {
            if (search.most == 0 || d2 >= search.best.back().first) return;
            search.best.pop_back();
        }
        auto at = std::upper_bound(
            search.best.begin(), search.best.end(), d2,
            [](double d, const std::pair<double, std::uint32_t>& b) { return d < b.first; });
        search.best.insert(at, {d2, point});
    }

    void build(std::size_t lo, std::size_t hi) {
        if (lo >= hi) return;
        const std::size_t mid = lo + (hi - lo) / 2;
        Box box{points_[order_[lo]], points_[order_[lo]]};
        for (std::size_t i = lo; i < hi; ++i) {
            for (int axis = 0; axis < 3; ++axis) {
                box.low[axis] = std::min(box.low[axis], points_[order_[i]][axis]);
                box.high[axis] = std::max(box.high[axis], points_[order_[i]][axis]);
            }
        }
        int axis = 0;
        for (int a = 1; a < 3; ++a) {
            if (box.high[a] - box.low[a] > box.high[axis] - box.low[axis]) axis = a;
        }
        // Ties go by index, so the tree is the same whatever the library's selection does.
        std::nth_element(order_.begin() + static_cast<std::ptrdiff_t>(lo),
                         order_.begin() + static_cast<std::ptrdiff_t>(mid),
                         order_.begin() + static_cast<std::ptrdiff_t>(hi),
                         [&](std::uint32_t a, std::uint32_t b) {
                             return std::tie(points_[a][axis], a) < std::tie(points_[b][axis], b);
                         });
        boxes_[mid] = box;
        axes_[mid] = static_cast<std::uint8_t>(axis);
        build(lo, mid);
        build(mid + 1, hi);
    }

    std::vector<Point3> points_;
    std::vector<std::uint32_t> order_;
    std::vector<Box> boxes_;  // by the position of the subtree's splitting point
    std::vector<std::uint8_t> axes_;
};

}  // namespace

NearestStations NearestStations::find(std::span<const GeoPoint> points, double metres,
                                      std::uint32_t most) {
    std::vector<Point3> onEarth;
    onEarth.reserve(points.size());
    for (GeoPoint point : points) onEarth.push_back(onSphere(point));
    const Tree tree(std::move(onEarth));

    // The chord under an arc of the radius.
    const double chord = 2 * kEarthRadiusMetres * std::sin(metres / (2 * kEarthRadiusMetres));
    NearestStations nearest;
    nearest.begin.reserve(points.size() + 1);
    nearest.withinRadius.reserve(points.size());
    nearest.begin.push_back(0);
    Tree::Search search{{}, 0, chord * chord, most, {}, 0};
    for (std::uint32_t i = 0; i < points.size(); ++i) {
        search.at = tree.point(i);
        search.self = i;
        search.best.clear();
        search.within = 0;
        tree.visit(0, tree.size(), true, search);
        nearest.withinRadius.push_back(static_cast<std::uint32_t>(search.within - 1));
        for (const auto& found : search.best) nearest.neighbours.push_back(found.second);
        nearest.begin.push_back(static_cast<std::uint32_t>(nearest.neighbours.size()));
    }
    return nearest;
}

}  // namespace busquery
