#pragma once

#include <string>

#include "store/Error.h"

namespace busquery {

// What a failed system call's error number (errno) means, in the words of the program's own
// messages; the system's English text never reaches a traveller.
ErrorText systemErrorText(int errorNumber);

// The system's own text for an error number, kept as an error's detail.
std::string systemErrorDetail(int errorNumber);

// Whether an error number says the system refused access (rather than that something failed).
bool isPermissionError(int errorNumber);

}  // namespace busquery
