#pragma once

#include <cstdint>
#include <string>

#include "query/OutcomeCode.h"

namespace busquery {

// The texts of one query as typed, and what it came to. The names are those the window's
// handlers and the data set's tools have always used.
struct QueryState {
    std::string strQueryLnna;  // line name; line lookup removes every "路" from it
    std::string strQueryFrom;  // station-lookup text
    std::string strStnaFrom;   // route origin
    std::string strStnaTo;     // route destination
    OutcomeCode intOutState = OutcomeCode::EmptyInput;
    std::int32_t lngRecordNum = 0;  // rows of the last main result: lines, stations, direct lines
};

}  // namespace busquery
