#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "store/BusDatabase.h"
#include "store/Error.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

// A file the program may not read is a permission problem with the system's text as its cause,
// not a broken database. Root reads every file, so the check runs as nobody then.
TEST(BusDatabasePermissionTest, AFileThatMayNotBeReadIsAPermissionProblem) {
    test::TempDir dir;
    const auto file = test::TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::exit(3);
            try {
                BusDatabase db(file);
            } catch (const Error& error) {
                std::fprintf(stderr, "%s; %s\n", error.what(), error.detail().c_str());
                std::exit(error.kind() == ErrorKind::NoPermission ? 0 : 1);
            }
            std::exit(2);
        },
        ::testing::ExitedWithCode(0),
        "没有权限读取数据文件 “" + file.string() + "”; Permission denied");
}

}  // namespace
}  // namespace busquery
