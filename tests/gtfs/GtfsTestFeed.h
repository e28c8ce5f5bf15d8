#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace busquery::test {

// A GTFS feed written by a test, file by file, byte for byte as given.
struct GtfsTestFeed {
    std::map<std::string, std::string> files;

    GtfsTestFeed& file(const std::string& name, std::string content) {
        files[name] = std::move(content);
        return *this;
    }
    GtfsTestFeed& without(const std::string& name) {
        files.erase(name);
        return *this;
    }

    std::filesystem::path writeFolder(const std::filesystem::path& folder) const {
        std::filesystem::create_directories(folder);
        for (const auto& [name, content] : files) {
            std::ofstream(folder / name, std::ios::binary) << content;
        }
        return folder;
    }

    // inside: a folder in the archive that holds the files, "" for the archive's root.
    std::filesystem::path writeZip(const std::filesystem::path& file,
                                   const std::string& inside = "") const {
        int error = 0;
        zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_EXCL, &error);
        if (archive == nullptr) throw std::runtime_error("zip_open failed");
        for (const auto& [name, content] : files) {
            zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
            if (source == nullptr ||
                zip_file_add(archive, (inside + name).c_str(), source, 0) < 0) {
                zip_source_free(source);
                zip_discard(archive);
                throw std::runtime_error("zip_file_add failed");
            }
        }
        if (zip_close(archive) != 0) throw std::runtime_error("zip_close failed");
        return file;
    }
};

// A small, clean feed the tests change: route 12 in both directions over the station 东桥 (a
// parent of two platforms), 西门 and 北站, two trips outbound and one inbound, the last after
// midnight.
inline GtfsTestFeed basicFeed() {
    return GtfsTestFeed{}
        .file("stops.txt",
              "stop_id,stop_name,parent_station,stop_desc,location_type\n"
              "S1,东桥,,西山大道,1\n"
              "S1a,东桥北侧,S1,东桥公交站,0\n"
              "S1b,东桥南侧,S1,,0\n"
              "S2,西门,,,0\n"
              "S3,北站,,,0\n")
        .file("routes.txt",
              "route_id,route_short_name,route_long_name,route_type\n"
              "R12,12,东桥—北站,3\n")
        .file("trips.txt",
              "route_id,service_id,trip_id,direction_id\n"
              "R12,WK,T1,0\n"
              "R12,WK,T2,0\n"
              "R12,WK,T3,1\n")
        .file("stop_times.txt",
              "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
              "T1,06:00:00,06:00:00,S1a,1\n"
              "T1,06:05:00,06:05:00,S2,2\n"
              "T1,06:10:00,06:10:00,S3,3\n"
              "T2,22:30:00,22:30:00,S1a,1\n"
              "T2,22:35:00,22:35:00,S2,2\n"
              "T2,22:40:00,22:40:00,S3,3\n"
              "T3,24:50:00,24:50:00,S3,1\n"
              "T3,24:55:00,24:55:00,S2,2\n"
              "T3,25:00:00,25:00:00,S1b,3\n");
}

// The rows a statement gives, each row's columns joined by "|".
inline std::vector<std::string> tableRows(const std::filesystem::path& file,
                                          const std::string& sql) {
    SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
    SQLite::Statement statement(db, sql);
    std::vector<std::string> rows;
    while (statement.executeStep()) {
        std::string row;
        for (int i = 0; i < statement.getColumnCount(); ++i) {
            if (i > 0) row += "|";
            row += statement.getColumn(i).getString();
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> lineRows(const std::filesystem::path& file) {
    return tableRows(file,
                     "SELECT lnid, citycode, lnna, fltime, Passstna FROM nlninfo ORDER BY rowid");
}

inline std::vector<std::string> stationRows(const std::filesystem::path& file) {
    return tableRows(file, "SELECT stna, rdna, near, Passlnna FROM nstinfo ORDER BY rowid");
}

// What a folder holds, file names only: an import must leave nothing else behind.
inline std::vector<std::string> folderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace busquery::test
