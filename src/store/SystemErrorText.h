#pragma once

#include <string>

namespace busquery {

// What a failed system call's error number (errno) means, in the words of the program's own
// messages; the system's English text never reaches a traveller.
std::string systemErrorText(int errorNumber);

}  // namespace busquery
