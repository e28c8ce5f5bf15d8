#pragma once

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace busquery {

class SampleRandom;

// Chinese names for the sample city, built from tables of characters and words, and the
// register of the station names given out. A line's station list finds a station by its name
// followed by ";", so no station name may end with another one (东桥 beside 河东桥): claim()
// refuses such a name, and every station of the sample is found exactly where it stands.
class SampleNames {
  public:
    explicit SampleNames(SampleRandom& random);

    // Takes the name for one station. False when it is taken, ends with a taken name, or a
    // taken name ends with it.
    bool claim(const std::string& name);
    // A name that stations on different roads share (镇政府 in every town): claimed the first
    // time, free for the later ones.
    bool share(const std::string& name);
    // Claims the first name the candidate maker gives that can be claimed.
    std::string claimFirst(const std::function<std::string()>& candidate);

    // A two-character place name such as 青山 or 南湖.
    std::string stem();
    // A stem not given out by freshStem before: towns and roads need names of their own.
    std::string freshStem();
    // A new road: 青山路, 南湖大道, 金沙街; split roads get 东/西 or 南/北 halves.
    std::string roadName(const std::string& stem);
    std::string halfRoadName(const std::string& stem, bool northSouth, bool firstHalf);

    // Station names of the city's streets.
    std::string streetStation(const std::string& road);
    std::string crossingStation(const std::string& road, const std::string& crossRoad);
    // Station names of the country: along a highway and in a village.
    std::string highwayStation();
    std::string villageStation(const std::string& village);
    // One or two landmarks joined by "、" with the given chance, else the empty text.
    std::string landmarks(int chance);

  private:
    std::string placeName();
    std::string landmark();

    SampleRandom& random_;
    std::unordered_set<std::string> taken_;
    std::unordered_set<std::string> takenEndings_;  // every proper ending of a taken name
    std::unordered_set<std::string> shared_;
    std::unordered_set<std::string> stems_;
    std::vector<std::string> famous_;  // the city's well-known places, each given out once
    std::size_t famousUsed_ = 0;
};

}  // namespace busquery
