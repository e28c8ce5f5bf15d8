#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "network/BusData.h"
#include "route/DirectLine.h"
#include "route/JourneySearchState.h"
#include "route/Plan.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery::test {

// Both directions of a walk, as SQL for the walk table.
std::string walk(const std::string& a, const std::string& b, int metres);

// A tiny network written inline, its searches called directly and every answer written as text:
// one line per direct line or plan, so a test compares all of them with one expected block.
class RouteCity {
  public:
    explicit RouteCity(const TestCity& city, const std::string& walkSql = "");

    const NetworkIndex& index() const { return data_.index(); }

    // "1路上行 2站 甲;乙;丙;" per line.
    std::string direct(const std::string& from, const std::string& to) const;
    // The ranked one-change plans, or the outcome when a station is unknown.
    std::string oneChange(const std::string& from, const std::string& to) const;
    // The journeys of the search with more changes and walks, in the given state.
    std::string journeys(const std::string& from, const std::string& to,
                         JourneySearchState& state) const;
    std::string journeys(const std::string& from, const std::string& to) const;

  private:
    TempDir dir_;
    BusData data_;
};

// "C=3: 甲 =1路(1)=> 乙 ~320米~ 丙 =2路下行/5路(1)=> 丁", one line per plan.
std::string plansText(const std::vector<Plan>& plans);

}  // namespace busquery::test
