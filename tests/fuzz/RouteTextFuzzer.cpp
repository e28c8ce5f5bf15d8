// The route boxes over the sample city: the from text (before the first line break) and the to
// text (after it), searched and rendered as the pane shows it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "FuzzSampleCity.h"
#include "query/PieceRecorder.h"
#include "query/Query.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [from, to] = busquery::fuzz::twoTexts(busquery::fuzz::inputText(data, size));
    busquery::Query query(busquery::fuzz::sampleCity());
    busquery::PieceRecorder pane;
    busquery::QueryInput input;
    input.from = std::string(from);
    input.to = std::string(to);
    query.run(input, pane);
    query.searchRoute(from, to);
    return 0;
}
