#include "query/ErrorReport.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

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

}  // namespace
}  // namespace busquery
