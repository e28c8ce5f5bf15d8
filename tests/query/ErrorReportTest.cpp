#include "query/ErrorReport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <new>
#include <stdexcept>

#include "store/SystemErrorText.h"

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

// In English each of a message's words is translated and its values stay as they are; a part
// that is itself a message is translated too, and words without a translation stay Chinese.
TEST(ErrorReportTest, SaysAMessageInTheInterfaceLanguage) {
    const ErrorText file = ErrorText::value("/城市/busdata%1");
    struct Case {
        ErrorText text;
        const char* chinese;
        const char* english;
    };
    const Case cases[] = {
        {{"%1 不存在", {{"数据文件 “%1”", {file}}}},
         "数据文件 “/城市/busdata%1” 不存在",
         "Cannot find the data file “/城市/busdata%1”"},
        {{"无法写入数据文件 “%1”：%2", {file, "磁盘空间不足"}},
         "无法写入数据文件 “/城市/busdata%1”：磁盘空间不足",
         "Cannot write the data file “/城市/busdata%1”: the disk is full"},
        {{"无法写入数据文件 “%1”：%2", {file, "尚无译文"}},
         "无法写入数据文件 “/城市/busdata%1”：尚无译文",
         "Cannot write the data file “/城市/busdata%1”: 尚无译文"},
        {{"无法写入数据文件 “%1”：%2", {file, systemErrorText(EDOM)}},
         "无法写入数据文件 “/城市/busdata%1”：系统错误码 33",
         "Cannot write the data file “/城市/busdata%1”: system error 33"},
        {ErrorText::value("管道"), "管道", "管道"},
    };
    for (const Case& c : cases) {
        const Error error(ErrorKind::ReadFailed, c.text, "cause");
        EXPECT_STREQ(error.what(), c.chinese);
        const ErrorReport english = reportError(std::make_exception_ptr(error), Language::English);
        EXPECT_EQ(english.message, c.english);
        EXPECT_EQ(english.detail, "cause");
        EXPECT_EQ(reportError(std::make_exception_ptr(error)).message, c.chinese);
    }
    EXPECT_EQ(reportError(std::make_exception_ptr(std::bad_alloc()), Language::English).message,
              "Out of memory; the work was not done");
}

}  // namespace
}  // namespace busquery
