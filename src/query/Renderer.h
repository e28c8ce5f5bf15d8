#pragma once

#include "query/Answer.h"
#include "query/Language.h"
#include "query/LineName.h"
#include "query/ResultPane.h"

namespace busquery {

// Writes an answer into the result pane as the traveller reads it: the pane is emptied when a
// query of some mode ran (a query stopped by its input checks leaves the pane as it was), then
// the lines, the stations, the direct lines or the plans follow in their colours and weights.
// The fixed words and the line names are those of the language; in Chinese they are the
// program's own. terminus, where given, names the last station of a line in a station lookup's
// rows ("Bus 59 towards 西站"), which the answer does not hold.
void render(const Answer& answer, ResultPane& pane, Language language = Language::Chinese,
            const LineTerminus& terminus = {});

}  // namespace busquery
