#pragma once

#include <string>
#include <vector>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsNetwork.h"
#include "gtfs/GtfsStops.h"
#include "gtfs/ImportSummary.h"
#include "store/BusDataRows.h"

namespace busquery {

// The English names translations.txt gives the stops' stop_name, in either of its forms: the
// current one (table_name "stops", field_name "stop_name", language, translation, and
// record_id naming the stop or field_value naming the text), or the older one keyed by the
// text itself (trans_id, lang, translation). English is language "en" or "en-…"; where a stop
// has both, "en" holds.
struct GtfsTranslations {
    // By stop number of GtfsStops: the English name of its stop_name, empty where none.
    std::vector<std::string> stopNames;

    // A table in neither form gives no names.
    static GtfsTranslations read(CsvTable& table, const GtfsStops& stops, ImportSummary& summary);

    // One row per station of the network that has an English name: the name most of its stops
    // have, of equally many the one its first stop in stops.txt has; in station order.
    std::vector<StationNameRow> stationNames(const GtfsStops& stops,
                                             const GtfsNetwork& network) const;
};

}  // namespace busquery
