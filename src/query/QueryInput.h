#pragma once

#include <string>

namespace busquery {

// The entry texts a query reads, exactly as they stand in their boxes.
struct QueryInput {
    std::string line;        // txtQueryLnna
    std::string station;     // txtQueryFrom
    std::string from;        // txtStnaFrom
    std::string to;          // txtStnaTo
    std::string pickedLine;  // the selected suggestion line of List1, empty when none
};

}  // namespace busquery
