#pragma once

#include "db/BusDatabase.h"
#include "query/QueryState.h"
#include "query/ResultPane.h"

namespace busquery::test {

// The route search answered statement by statement on the connection, the plans ranked through
// the connection's TEMP table TmpTb: what the index path must reproduce piece for piece.
// Leaves TmpTb without rows of its own, also when it fails.
void referenceRouteSearch(BusDatabase& database, QueryState& state, ResultPane& pane);

}  // namespace busquery::test
