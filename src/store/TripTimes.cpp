#include "store/TripTimes.h"

namespace busquery {
namespace {

constexpr std::uint32_t kLastMinute = TripTimes::kLastMinute;
// No line has so many stops; a longer run of stops not served is damage, not a trip.
constexpr std::uint32_t kMostStops = 0xFFFF;

void putVarint(std::string& out, std::uint32_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

// Reads one varint at `at`, moving it on; false at the end of the bytes or on one too long.
bool getVarint(std::string_view bytes, std::size_t& at, std::uint32_t& value) {
    value = 0;
    for (int shift = 0; shift < 21; shift += 7) {
        if (at == bytes.size()) return false;
        const auto byte = static_cast<std::uint8_t>(bytes[at++]);
        value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) return true;
    }
    return false;
}

}  // namespace

std::string encodeTripTimes(const TripTimes& times) {
    std::string out;
    out.reserve(times.arrivals.size() + 2);
    std::uint32_t previous = 0;
    for (std::size_t i = 0; i < times.arrivals.size(); ++i) {
        if (times.arrivals[i] == TripTimes::kNoStop) {
            std::size_t end = i + 1;
            while (end < times.arrivals.size() && times.arrivals[end] == TripTimes::kNoStop) ++end;
            out.push_back('\x01');
            out.push_back('\x00');
            putVarint(out, static_cast<std::uint32_t>(end - i));
            i = end - 1;
            continue;
        }
        const std::uint32_t wait = times.departures[i] - times.arrivals[i];
        putVarint(out, (times.arrivals[i] - previous) * 2 + (wait > 0 ? 1 : 0));
        if (wait > 0) putVarint(out, wait);
        previous = times.departures[i];
    }
    return out;
}

bool decodeTripTimes(std::string_view bytes, TripTimes& times) {
    times.arrivals.clear();
    times.departures.clear();
    std::uint32_t previous = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::uint32_t run = 0;
        std::uint32_t wait = 0;
        if (!getVarint(bytes, at, run)) return false;
        if ((run & 1U) != 0 && !getVarint(bytes, at, wait)) return false;
        if ((run & 1U) != 0 && wait == 0) {
            std::uint32_t skipped = 0;
            if (run != 1 || !getVarint(bytes, at, skipped) || skipped == 0 ||
                times.arrivals.size() + skipped > kMostStops) {
                return false;
            }
            times.arrivals.insert(times.arrivals.end(), skipped, TripTimes::kNoStop);
            times.departures.insert(times.departures.end(), skipped, TripTimes::kNoStop);
            continue;
        }
        const std::uint32_t arrival = previous + run / 2;
        const std::uint32_t departure = arrival + wait;
        if (departure > kLastMinute) return false;
        times.arrivals.push_back(static_cast<std::uint16_t>(arrival));
        times.departures.push_back(static_cast<std::uint16_t>(departure));
        previous = departure;
    }
    return true;
}

}  // namespace busquery
