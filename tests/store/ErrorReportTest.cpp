#include "store/ErrorReport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "store/BusDatabase.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

namespace busquery {
namespace {

TEST(ErrorReportTest, TranslatesWhateverWasThrownKeepingItsCause) {
    struct Case {
        std::function<void()> fail;
        ErrorKind kind;
        const char* message;
        const char* detail;
    };
    const Case cases[] = {
        {[] { throw Error(ErrorKind::ReadFailed, "数据文件有误", "disk I/O error"); },
         ErrorKind::ReadFailed, "数据文件有误", "disk I/O error"},
        {[] { throw Error(ErrorKind::BadArgument, "无法读取请求"); }, ErrorKind::BadArgument,
         "无法读取请求", ""},
        {[] { throw std::bad_alloc(); }, ErrorKind::OutOfMemory, "内存不足，未能完成",
         "std::bad_alloc"},
        {[] { throw std::logic_error("vector::_M_range_check"); }, ErrorKind::ProgramFault,
         "程序内部出错，未能完成", "vector::_M_range_check"},
        {[] { throw 42; }, ErrorKind::ProgramFault, "程序内部出错，未能完成",
         "an exception of unknown type"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            c.fail();
            FAIL() << "nothing thrown";
        } catch (...) {
            const ErrorReport report = reportError(std::current_exception());
            EXPECT_EQ(report.kind, c.kind);
            EXPECT_EQ(report.message, c.message);
            EXPECT_EQ(report.detail, c.detail);
        }
    }
}

// A file the program may not read is a permission problem with the system's text as its cause,
// not a broken database. Root reads every file, so the check runs as nobody then.
TEST(ErrorReportTest, AFileThatMayNotBeReadIsAPermissionProblem) {
    test::TempDir dir;
    const auto file = test::TestCity{}.line("1路", "甲;乙;").write(dir / "busdata");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::exit(3);
            try {
                BusDatabase db(file);
            } catch (...) {
                const ErrorReport report = reportError(std::current_exception());
                std::fprintf(stderr, "%s; %s\n", report.message.c_str(), report.detail.c_str());
                std::exit(report.kind == ErrorKind::NoPermission ? 0 : 1);
            }
            std::exit(2);
        },
        ::testing::ExitedWithCode(0),
        "没有权限读取数据文件 “" + file.string() + "”; Permission denied");
}

}  // namespace
}  // namespace busquery
