#pragma once

#include "network/BusData.h"
#include "support/SampleFixture.h"

namespace busquery::fuzz {

// The sample city, generated and loaded once per fuzzing process: every input asks it again.
inline BusData& sampleCity() {
    static BusData data = [] {
        BusData opened(test::sampleCityFile());
        opened.refresh();
        return opened;
    }();
    return data;
}

}  // namespace busquery::fuzz
