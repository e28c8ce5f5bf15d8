#include "store/TripTimes.h"

#include <gtest/gtest.h>

namespace busquery {
namespace {

constexpr std::uint16_t N = TripTimes::kNoStop;

TEST(TripTimes, EncodedCompactlyAndReadBack) {
    struct Case {
        TripTimes times;
        std::size_t bytes;
    };
    const Case cases[] = {
        {{{300, 305, 309}, {300, 305, 309}}, 4},  // 300 × 2 takes two bytes
        {{{0, 2, 70}, {1, 4, 70}}, 6},            // waits; a run of 66 minutes
        {{{1430, 1510}, {1440, 1510}}, 5},        // past midnight
        {{{65534, 65534}, {65534, 65534}}, 4},    // the last minute
        // a short run: stops not served before, between and after, three bytes a run of them
        {{{N, N, 300, N, 309, N}, {N, N, 301, N, 309, N}}, 13},
    };
    for (const Case& c : cases) {
        const std::string bytes = encodeTripTimes(c.times);
        EXPECT_EQ(bytes.size(), c.bytes);
        TripTimes read;
        ASSERT_TRUE(decodeTripTimes(bytes, read));
        EXPECT_EQ(read.arrivals, c.times.arrivals);
        EXPECT_EQ(read.departures, c.times.departures);
    }
}

TEST(TripTimes, DamagedBytesAreRefused) {
    TripTimes read;
    for (const std::string& bytes : {std::string("\x81"),              // varint cut off
                                     std::string("\x03"),              // wait missing
                                     std::string("\xff\xff\xff\x01"),  // too long
                                     std::string("\xfc\xff\x07\x02"),  // 65535
                                     std::string("\x01\x00"),          // count missing
                                     std::string("\x01\x00\x00"),      // none skipped
                                     std::string("\x03\x00\x01")}) {   // skip with a run
        EXPECT_FALSE(decodeTripTimes(bytes, read)) << bytes.size();
    }
}

}  // namespace
}  // namespace busquery
