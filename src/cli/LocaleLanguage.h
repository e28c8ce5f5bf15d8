#pragma once

#include "query/Language.h"

namespace busquery::cli {

// The interface language the environment asks for, as gettext reads it: the locale of
// messages (LC_ALL, else LC_MESSAGES, else LANG), preceded by the LANGUAGE list unless that
// locale is C or POSIX; the first the program speaks, else Chinese.
Language localeLanguage();

}  // namespace busquery::cli
