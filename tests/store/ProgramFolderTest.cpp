#include "store/ProgramFolder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

namespace busquery {
namespace {

// A program finds the busdata beside it first, then the one its install put in the data folder;
// with neither, the message will name the file beside it.
TEST(ProgramFolderTest, BusdataBesideTheProgramElseInTheInstallsDataFolder) {
    struct Case {
        const char* what;
        bool beside, installed;
        bool foundBeside;
    };
    const Case cases[] = {
        {"beside only", true, false, true},
        {"both", true, true, true},
        {"installed only", false, true, false},
        {"neither", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir prefix;
        const auto bin = prefix / "bin";
        const auto data = installDataFolder(bin);
        EXPECT_EQ(data, (prefix / "share/busquery").lexically_normal()) << "the usual layout";
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(data);
        if (c.beside) std::ofstream(bin / "busdata") << "x";
        if (c.installed) std::ofstream(data / "busdata") << "x";
        EXPECT_EQ(dataFileFor(bin), c.foundBeside ? bin / "busdata" : data / "busdata");
    }
}

}  // namespace
}  // namespace busquery
