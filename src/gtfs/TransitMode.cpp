#include "gtfs/TransitMode.h"

#include "store/ModeWords.h"

namespace busquery {

TransitMode transitModeOf(std::optional<std::int64_t> routeType) {
    if (!routeType) return TransitMode::Bus;
    switch (*routeType) {
        case 0:
            return TransitMode::Tram;
        case 1:
            return TransitMode::Subway;
        case 2:
            return TransitMode::Rail;
        case 4:
            return TransitMode::Ferry;
        case 5:
        case 6:
        case 7:
            return TransitMode::CableCar;
        case 11:
            return TransitMode::Trolleybus;
        case 12:
            return TransitMode::Monorail;
        case 405:
            return TransitMode::Monorail;
        default:
            break;
    }
    // Extended types, by their hundred: railway, coach, suburban railway, urban railway, metro,
    // underground, bus, trolleybus, tram, water, air, ferry, aerial lift, funicular, taxi, other.
    switch (*routeType / 100) {
        case 1:
        case 3:
            return TransitMode::Rail;
        case 4:
        case 5:
        case 6:
            return TransitMode::Subway;
        case 8:
            return TransitMode::Trolleybus;
        case 9:
            return TransitMode::Tram;
        case 10:
        case 12:
            return TransitMode::Ferry;
        case 13:
        case 14:
            return TransitMode::CableCar;
        default:
            return TransitMode::Bus;
    }
}

std::string_view modeWord(TransitMode mode) {
    // The words follow the modes after the bus, in their order.
    const auto index = static_cast<std::size_t>(mode);
    return index == 0 ? std::string_view() : kModeWords[index - 1];
}

std::string_view numberWord(TransitMode mode) {
    switch (mode) {
        case TransitMode::Subway:
        case TransitMode::Rail:
        case TransitMode::CableCar:
        case TransitMode::Monorail:
            return "号线";
        default:
            return "路";
    }
}

std::string numberedLineName(TransitMode mode, std::string_view number) {
    return std::string(modeWord(mode)) + std::string(number) + std::string(numberWord(mode));
}

}  // namespace busquery
