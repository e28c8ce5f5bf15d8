#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "query/Language.h"
#include "search/EnglishStationNames.h"
#include "search/PinyinReader.h"

namespace busquery {

// How the answers of an interface name the stations. Chinese: as stored. English: by the
// station's English name where the file has one (see EnglishStationNames); else a name with
// Han characters is followed by its pinyin, "东桥 (Dongqiao)", so that a traveller who reads no
// Chinese can say and recognise it; other names stay as they are.
class StationNames {
  public:
    explicit StationNames(Language language, const EnglishStationNames* english = nullptr)
        : language_(language), english_(english) {}

    std::string shown(std::string_view stna);
    // A station list ("甲;乙;"), each name shown, the ";" kept.
    std::string shownList(std::string_view list);
    // The English names of the file, null where there are none or the interface is Chinese.
    const EnglishStationNames* english() const { return english_; }

  private:
    std::string pinyin(std::string_view stna);

    Language language_;
    const EnglishStationNames* english_;
    std::optional<PinyinReader> reader_;  // made on the first name read: Chinese needs none
    std::unordered_map<std::string, std::string> shown_;
};

}  // namespace busquery
