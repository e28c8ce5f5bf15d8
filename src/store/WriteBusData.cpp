#include "store/WriteBusData.h"

#include "store/BusDatabaseWriter.h"
#include "store/StagedFile.h"

namespace busquery {

void writeBusData(const std::filesystem::path& path, const BusDataRows& rows) {
    StagedFile staged(path);
    {
        BusDatabaseWriter writer(staged.path(), staged.target());
        for (const std::string& lineId : rows.lineIds) writer.addLineId(lineId);
        writer.setDate(rows.date);
        if (rows.city) writer.setCity(*rows.city);
        for (const LineRow& line : rows.lines) writer.addLine(line);
        for (const StationRow& station : rows.stations) writer.addStation(station);
        for (const PositionRow& position : rows.positions) writer.addPosition(position);
        for (const WalkRow& walk : rows.walks) writer.addWalk(walk);
        for (const StationNameRow& name : rows.stationNames) writer.addStationName(name);
        for (const LineNameRow& name : rows.lineNames) writer.addLineName(name);
        if (!rows.trips.empty()) {
            writer.addTimetableTables();
            for (const TripRow& trip : rows.trips) writer.addTrip(trip);
            for (const ServiceRow& service : rows.services) writer.addService(service);
            for (const ServiceDateRow& date : rows.serviceDates) writer.addServiceDate(date);
            for (const ChangeRow& change : rows.changes) writer.addChange(change);
        }
        writer.commit();
    }
    staged.commit();
}

}  // namespace busquery
