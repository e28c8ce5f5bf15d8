#include "support/SampleFixture.h"

#include "sample/SampleCity.h"
#include "support/TempDir.h"

namespace busquery::test {

const std::filesystem::path& sampleCityFile() {
    static const TempDir dir;
    static const std::filesystem::path file = [] {
        auto path = dir / "busdata";
        writeSampleCity(path, SampleCityOptions{});
        return path;
    }();
    return file;
}

}  // namespace busquery::test
