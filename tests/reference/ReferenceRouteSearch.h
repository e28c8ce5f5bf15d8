#pragma once

#include "query/Answer.h"
#include "query/QueryState.h"
#include "store/BusDatabase.h"

namespace busquery::test {

// The route search answered statement by statement on the connection, the plans ranked through
// the connection's TEMP table TmpTb: the stations, direct lines and plans the index path must
// give, and the state it must leave. Leaves TmpTb without rows of its own, also when it fails.
void referenceRouteSearch(BusDatabase& database, QueryState& state, Answer& answer);

}  // namespace busquery::test
