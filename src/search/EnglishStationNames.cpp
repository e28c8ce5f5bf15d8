#include "search/EnglishStationNames.h"

#include "network/NetworkIndex.h"
#include "search/CaseAndAccentFolding.h"
#include "search/SuggestionLine.h"
#include "store/BusDatabase.h"
#include "text/AsciiCase.h"

namespace busquery {
namespace {

// "en", or a regional English ("en-GB"), in any letter case.
bool isEnglish(std::string_view lang) {
    return equalsIgnoreAsciiCase(lang, "en") ||
           (lang.size() > 3 && equalsIgnoreAsciiCase(lang.substr(0, 3), "en-"));
}

}  // namespace

EnglishStationNames EnglishStationNames::build(const NetworkIndex& network) {
    EnglishStationNames names;
    if (network.database() == nullptr) return names;
    // The first English row of a route name holds.
    for (LineNameRow& row : network.database()->lineNames()) {
        if (!isEnglish(row.lang) || row.name.empty() || names.lineByRoute_.contains(row.lnna)) {
            continue;
        }
        names.lineByRoute_.emplace(row.lnna, static_cast<std::uint32_t>(names.lineNames_.size()));
        std::string folded = foldCaseAndAccents(row.name);
        names.lineNames_.push_back(
            LineName{std::move(row.lnna), std::move(row.name), std::move(folded)});
    }
    // The first English row of a station holds.
    std::unordered_map<std::string, std::string> english;
    for (StationNameRow& row : network.database()->stationNames()) {
        if (isEnglish(row.lang) && !row.name.empty()) {
            english.try_emplace(std::move(row.stna), std::move(row.name));
        }
    }
    if (english.empty()) return names;

    // Places as StationTextIndex numbers them, without building it: a line lookup needs only
    // the names.
    const auto& byName = network.stationsByName();
    const auto& stations = network.stations();
    std::unordered_map<std::string, std::uint32_t> sharing;  // folded English name → stations
    for (std::uint32_t place = 0; place < byName.size(); ++place) {
        const StationInfo& station = stations[byName[place]];
        const auto found = english.find(std::string(station.stna));
        // A name the file repeats is shown once, as the searches list it once.
        if (found == english.end() || names.byStna_.contains(found->first)) continue;
        Name name{place, found->first, found->second, foldCaseAndAccents(found->second), {}, {}};
        ++sharing[name.foldedEnglish];
        names.byStna_.emplace(name.stna, static_cast<std::uint32_t>(names.names_.size()));
        names.names_.push_back(std::move(name));
    }
    for (std::uint32_t n = 0; n < names.names_.size(); ++n) {
        Name& name = names.names_[n];
        const StationInfo& station = stations[byName[name.place]];
        if (sharing[name.foldedEnglish] > 1) {
            name.shown += " (" + name.stna + ")";
        } else {
            names.byFoldedEnglish_.emplace(name.foldedEnglish, n);
        }
        name.foldedShown = foldCaseAndAccents(name.shown);
        name.suggestionLine = SuggestionLine{name.shown, station.rdna, station.near}.text();
        names.byFoldedShown_.emplace(name.foldedShown, n);
        names.byPlace_.emplace(name.place, n);
    }
    return names;
}

const std::string* EnglishStationNames::shown(std::string_view stna) const {
    const auto found = byStna_.find(std::string(stna));
    return found == byStna_.end() ? nullptr : &names_[found->second].shown;
}

std::optional<std::string_view> EnglishStationNames::stationNamed(std::string_view text) const {
    if (names_.empty()) return std::nullopt;
    const std::string folded = foldCaseAndAccents(text);
    for (const auto* names : {&byFoldedShown_, &byFoldedEnglish_}) {
        if (const auto found = names->find(folded); found != names->end()) {
            return names_[found->second].stna;
        }
    }
    return std::nullopt;
}

std::vector<std::uint32_t> EnglishStationNames::find(std::string_view text) const {
    std::vector<std::uint32_t> places;
    if (names_.empty()) return places;
    const std::string folded = foldCaseAndAccents(text);
    if (folded.empty()) return places;
    for (const Name& name : names_) {
        if (name.foldedEnglish.find(folded) != std::string::npos ||
            name.foldedShown.find(folded) != std::string::npos) {
            places.push_back(name.place);
        }
    }
    return places;
}

const std::string* EnglishStationNames::lineName(std::string_view routeName) const {
    const auto found = lineByRoute_.find(std::string(routeName));
    return found == lineByRoute_.end() ? nullptr : &lineNames_[found->second].english;
}

std::vector<std::string_view> EnglishStationNames::routeNamesBeginning(
    std::string_view text) const {
    std::vector<std::string_view> routeNames;
    const std::string folded = foldCaseAndAccents(text);
    if (folded.empty()) return routeNames;
    for (const LineName& name : lineNames_) {
        if (name.folded.starts_with(folded)) routeNames.push_back(name.routeName);
    }
    return routeNames;
}

std::optional<std::string_view> EnglishStationNames::suggestionLine(std::uint32_t place) const {
    const auto found = byPlace_.find(place);
    if (found == byPlace_.end()) return std::nullopt;
    return names_[found->second].suggestionLine;
}

}  // namespace busquery
