#pragma once

#include <string>

#include "gtfs/ImportSummary.h"
#include "query/Language.h"

namespace busquery::cli {

// The summary import-gtfs prints, in the language. Chinese is the importer's own text; another
// language writes the same lines from the summary's figures, with each reason for rows left
// out or read by a rule in its translation (one the translation does not know stays Chinese).
std::string importSummaryText(const ImportSummary& summary, Language language);

// The summary written line by line in the language; in Chinese it is the importer's own text
// byte for byte, which the tests hold it to.
std::string writtenImportSummary(const ImportSummary& summary, Language language);

}  // namespace busquery::cli
