#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsNetwork.h"
#include "gtfs/GtfsRoutes.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/ImportSummary.h"
#include "store/BusDataRows.h"

namespace busquery {

// The English names translations.txt gives the stops' stop_name, in either of its forms: the
// current one (table_name "stops", field_name "stop_name", language, translation, and
// record_id naming the stop or field_value naming the text), or the older one keyed by the
// text itself (trans_id, lang, translation). English is language "en" or "en-…"; where a stop
// has both, "en" holds. The routes' names (route_short_name, route_long_name, by route_id or
// by the text) are read alike.
struct GtfsTranslations {
    // By stop number of GtfsStops: the English name of its stop_name, empty where none.
    std::vector<std::string> stopNames;
    // By route_id: the English names of the route's short and of its long name. Read before
    // routes.txt; a route_id it does not have names no line.
    std::unordered_map<std::string, std::string> routeShortNames;
    std::unordered_map<std::string, std::string> routeLongNames;
    // The English names of route names given by their text (field_value, or the older form).
    std::unordered_map<std::string, std::string> routeNamesByText;

    // A table in neither form gives no names.
    static GtfsTranslations read(CsvTable& table, const GtfsStops& stops, ImportSummary& summary);

    // One row per station of the network that has an English name: the name most of its stops
    // have, of equally many the one its first stop in stops.txt has; in station order.
    std::vector<StationNameRow> stationNames(const GtfsStops& stops,
                                             const GtfsNetwork& network) const;

    // One row per route name that lines are named by as the feed writes it (the name alone, or
    // with direction or branch words after it) and that has an English name other than
    // itself: a translation of the route itself holds over one of the name's text, and of
    // the route's long name where that is the name, else of its short name. In line order.
    std::vector<LineNameRow> lineNames(const GtfsRoutes& routes, const GtfsNetwork& network) const;
};

}  // namespace busquery
