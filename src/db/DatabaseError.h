#pragma once

#include <stdexcept>
#include <string>

namespace busquery {

// Raised for every failure of the bus database (missing file, not a database, missing table,
// rejected statement). The message is meant for the traveller: it names the file and the problem.
class DatabaseError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace busquery
