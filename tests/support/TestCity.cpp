#include "support/TestCity.h"

#include <ostream>

#include "store/WriteBusData.h"

namespace busquery::test {

TestCity& TestCity::line(std::string lnna, std::string passstna, std::string fltime, long long lnid,
                         std::string citycode) {
    LineRow row;
    row.lnid = lnid >= 0 ? lnid : static_cast<long long>(lines.size() + 1);
    row.citycode = std::move(citycode);
    row.lnna = std::move(lnna);
    row.fltime = std::move(fltime);
    row.passstna = std::move(passstna);
    lines.push_back(std::move(row));
    return *this;
}

TestCity& TestCity::station(std::string stna, std::string passlnna, std::string rdna,
                            std::string near) {
    stations.push_back(
        StationRow{std::move(stna), std::move(rdna), std::move(near), std::move(passlnna)});
    return *this;
}

std::filesystem::path TestCity::write(const std::filesystem::path& file) const {
    BusDatabaseWriter writer(file);
    for (const auto& id : lineIds) writer.addLineId(id);
    writer.setDate(date);
    for (const auto& row : lines) writer.addLine(row);
    for (const auto& row : stations) writer.addStation(row);
    writer.commit();
    return file;
}

std::filesystem::path writeRows(const std::filesystem::path& file, const BusDataRows& rows) {
    writeBusData(file, rows);
    return file;
}

}  // namespace busquery::test
