#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace busquery {

struct NetworkIndex;

// The English names of the stations (the optional table nsttrans), for an English interface,
// prepared once per busdata content when an English answer or search first needs them.
//
// A station is shown by its English name alone: that is the name on the signs and maps a
// traveller who reads no Chinese or Japanese finds. Only where stations share an English name
// (case and accents aside) does each add its own name, "Tenjin (天神)", so that no two stations
// read alike. Texts are compared as the loose search compares them (foldCaseAndAccents).
//
// The English names of the routes lines are named by (the optional table nlntrans) come along:
// they are read where the station names are, for the same answers.
class EnglishStationNames {
  public:
    static EnglishStationNames build(const NetworkIndex& network);

    // Whether there are no station names (there may still be line names).
    bool empty() const { return names_.empty(); }
    bool hasLineNames() const { return !lineNames_.empty(); }

    // The English name of a route name as stored lines begin with it ("空港線" of 空港線上行);
    // nothing without one.
    const std::string* lineName(std::string_view routeName) const;

    // The route names whose English name begins with the text, case and accents aside, in
    // table order.
    std::vector<std::string_view> routeNamesBeginning(std::string_view text) const;

    // How an English answer names the station stna; nothing for a station without an English
    // name.
    const std::string* shown(std::string_view stna) const;

    // The stna of the station the text names in English: its shown name, or its English name
    // where no other station has it; nothing otherwise.
    std::optional<std::string_view> stationNamed(std::string_view text) const;

    // The places in name order (as StationTextIndex numbers them), ascending, of the stations
    // whose English or shown name contains the text.
    std::vector<std::uint32_t> find(std::string_view text) const;

    // The suggestion line of the station at a place in name order, its shown name in place of
    // stna; nothing for a station without an English name.
    std::optional<std::string_view> suggestionLine(std::uint32_t place) const;

  private:
    struct Name {
        std::uint32_t place = 0;
        std::string stna;
        std::string shown;
        std::string foldedEnglish;
        std::string foldedShown;
        std::string suggestionLine;
    };

    std::vector<Name> names_;  // in name order
    std::unordered_map<std::string, std::uint32_t> byStna_;
    std::unordered_map<std::string, std::uint32_t> byFoldedShown_;
    std::unordered_map<std::string, std::uint32_t> byFoldedEnglish_;  // names only one has
    std::unordered_map<std::uint32_t, std::uint32_t> byPlace_;

    struct LineName {
        std::string routeName;
        std::string english;
        std::string folded;
    };
    std::vector<LineName> lineNames_;  // in table order, one per route name
    std::unordered_map<std::string, std::uint32_t> lineByRoute_;
};

}  // namespace busquery
