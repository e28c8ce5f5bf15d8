#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include "gtfs/FeedText.h"
#include "gtfs/GtfsImporter.h"
#include "gtfs/GtfsTestFeed.h"
#include "gtfs/HeapInUse.h"
#include "store/Error.h"
#include "store/StagedFile.h"
#include "support/StagedFileTraps.h"
#include "support/TempDir.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

using test::basicFeed;
using test::defaultSignal;
using test::endedProcessId;
using test::folderNames;
using test::GtfsTestFeed;
using test::heapInUse;
using test::lineRows;
using test::stagedName;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class GtfsImportSafetyTest : public ::testing::Test {
  protected:
    GtfsImportSafetyTest() { std::filesystem::create_directory(outFolder_); }

    GtfsImportOptions options(const GtfsTestFeed& feed) {
        GtfsImportOptions options;
        options.feed = feed.writeFolder(dir_ / ("feed" + std::to_string(++feeds_)));
        options.out = outFolder_ / "busdata";
        return options;
    }

    // The message of the Error the import throws, "" when it throws none.
    std::string failure(const GtfsImportOptions& options, const ReadProgress& progress = {}) {
        try {
            importGtfs(options, progress);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }

    static std::string content(const std::filesystem::path& file) {
        std::ostringstream text;
        text << std::ifstream(file, std::ios::binary).rdbuf();
        return text.str();
    }

    TempDir dir_;
    std::filesystem::path outFolder_ = dir_ / "out";
    int feeds_ = 0;
};

TEST_F(GtfsImportSafetyTest, AMissingRequiredFileIsNamedAndNothingIsWritten) {
    for (const char* file : {"stops.txt", "routes.txt", "trips.txt", "stop_times.txt"}) {
        SCOPED_TRACE(file);
        EXPECT_THAT(failure(options(basicFeed().without(file))),
                    HasSubstr(std::string("缺少必需的文件 ") + file));
        EXPECT_THAT(folderNames(outFolder_), ElementsAre());
    }
}

TEST_F(GtfsImportSafetyTest, AMissingRequiredColumnIsNamedWithItsFile) {
    struct Case {
        std::string file;
        std::string header;  // replaces the first line
        std::string message;
    };
    const Case cases[] = {
        {"stops.txt", "id,stop_name,parent_station,stop_desc,location_type",
         "stops.txt 缺少必需的列 stop_id"},
        {"stops.txt", "stop_id,name,parent_station,stop_desc,location_type",
         "stops.txt 缺少必需的列 stop_name"},
        {"routes.txt", "route,route_short_name,route_long_name,route_type",
         "routes.txt 缺少必需的列 route_id"},
        {"routes.txt", "route_id,short,long,route_type",
         "routes.txt 缺少必需的列 route_short_name（或 route_long_name）"},
        {"trips.txt", "route,service_id,trip_id,direction_id", "trips.txt 缺少必需的列 route_id"},
        {"trips.txt", "route_id,service_id,trip,direction_id", "trips.txt 缺少必需的列 trip_id"},
        {"stop_times.txt", "trip,arrival_time,departure_time,stop_id,stop_sequence",
         "stop_times.txt 缺少必需的列 trip_id"},
        {"stop_times.txt", "trip_id,arrival_time,departure_time,stop,stop_sequence",
         "stop_times.txt 缺少必需的列 stop_id"},
        {"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,seq",
         "stop_times.txt 缺少必需的列 stop_sequence"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        GtfsTestFeed feed = basicFeed();
        std::string& text = feed.files[c.file];
        text.replace(0, text.find('\n'), c.header);
        EXPECT_EQ(failure(options(feed)), c.message);
        EXPECT_THAT(folderNames(outFolder_), ElementsAre());
    }
    GtfsTestFeed feed = basicFeed();
    feed.file("frequencies.txt", "trip_id,start_time,end_time\nT1,06:00:00,07:00:00\n");
    EXPECT_EQ(failure(options(feed)), "frequencies.txt 缺少必需的列 headway_secs");
    EXPECT_EQ(failure(options(feed.file("stops.txt", ""))), "stops.txt 是空文件，没有表头");
}

TEST_F(GtfsImportSafetyTest, AFeedWithoutAnyUsableLineFails) {
    GtfsTestFeed feed = basicFeed();
    feed.files["routes.txt"] = "route_id,route_short_name\n";
    EXPECT_THAT(failure(options(feed)), HasSubstr("中没有可导入的线路"));
    EXPECT_THAT(folderNames(outFolder_), ElementsAre());
}

TEST_F(GtfsImportSafetyTest, AFailedImportLeavesAnExistingDatabaseAsItWas) {
    std::filesystem::path out = outFolder_ / "busdata";
    std::ofstream(out) << "the data set of yesterday";

    EXPECT_NE(failure(options(basicFeed().without("trips.txt"))), "");
    // An import stopped while it reads stop_times.txt, as by an exception of the caller.
    auto stop = [](std::uint64_t, std::uint64_t) {
        throw Error(ErrorKind::BadArgument, "stopped");
    };
    EXPECT_EQ(failure(options(basicFeed()), stop), "stopped");
    EXPECT_THAT(folderNames(outFolder_), ElementsAre("busdata"));
    EXPECT_EQ(content(out), "the data set of yesterday");

    // A successful import replaces it.
    importGtfs(options(basicFeed()));
    EXPECT_THAT(folderNames(outFolder_), ElementsAre("busdata"));
    EXPECT_EQ(lineRows(out).size(), 2u);
}

TEST_F(GtfsImportSafetyTest, AnInterruptedImportLeavesNoFileBehind) {
    // Interrupted while reading the feed, before the database file exists.
    GtfsImportOptions interrupted = options(basicFeed());
    auto interrupt = [](std::uint64_t, std::uint64_t) { std::raise(SIGINT); };
    EXPECT_EXIT(importGtfs(interrupted, interrupt), ::testing::KilledBySignal(SIGINT), "");
    EXPECT_THAT(folderNames(outFolder_), ElementsAre());

    // Interrupted while the database is being written beside its final place, by any signal
    // that ends a process unless it is caught.
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGPIPE, SIGALRM,
                       SIGABRT, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF}) {
        SCOPED_TRACE(signal);
        EXPECT_EXIT(
            {
                defaultSignal(signal);
                StagedFile staged(outFolder_ / "busdata");
                std::ofstream(staged.path()) << "half a database";
                std::raise(signal);
            },
            ::testing::KilledBySignal(signal), "");
        EXPECT_THAT(folderNames(outFolder_), ElementsAre());
    }
}

// Started under nohup, an import must not end with the terminal that started it.
TEST_F(GtfsImportSafetyTest, ASignalTheCallerIgnoresStaysIgnored) {
    EXPECT_EXIT(
        {
            std::signal(SIGHUP, SIG_IGN);
            {
                StagedFile staged(outFolder_ / "busdata");
                std::ofstream(staged.path()) << "half a database";
                std::raise(SIGHUP);
            }
            std::raise(SIGHUP);
            std::exit(folderNames(outFolder_).empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// A host that handles a signal itself (a timer's SIGALRM, a reload on SIGHUP) keeps running
// through it while an import is being written.
TEST_F(GtfsImportSafetyTest, ASignalTheCallerHandlesStaysWithItsHandler) {
    static volatile std::sig_atomic_t handled = 0;
    EXPECT_EXIT(
        {
            for (int signal : {SIGALRM, SIGHUP, SIGUSR1}) {
                std::signal(signal, [](int) { handled = handled + 1; });
            }
            {
                StagedFile staged(outFolder_ / "busdata");
                std::ofstream(staged.path()) << "half a database";
                for (int signal : {SIGALRM, SIGHUP, SIGUSR1}) std::raise(signal);
            }
            std::exit(handled == 3 && folderNames(outFolder_).empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// A process that was killed outright had no chance to clean up: the next import in the same
// folder does it, and leaves alone what belongs to a process still running or is not its own.
TEST_F(GtfsImportSafetyTest, StagedFilesOfEndedProcessesAreRemovedAtTheStart) {
    EXPECT_EXIT(
        {
            StagedFile staged(outFolder_ / "busdata");
            std::ofstream(staged.path()) << "half a database";
            std::raise(SIGKILL);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    ASSERT_EQ(folderNames(outFolder_).size(), 1u);

    const pid_t ended = endedProcessId();
    const std::string running = std::to_string(::getppid());
    for (const auto& name : {stagedName("busdata", ended, "0"), stagedName("other", ended, "12")}) {
        std::ofstream(outFolder_ / name) << "half a database";
    }
    std::filesystem::create_directory(outFolder_ / stagedName("busdata", ended, "Ab3dEf"));
    std::ofstream(outFolder_ / stagedName("busdata", ended, "Ab3dEf") / "busdata") << "half";
    const std::vector<std::string> kept = {
        ".busdata.importing-" + running + "-0",  // its process still runs
        ".busdata.importing-x-0",
        ".busdata.importing-",
        "busdata.importing-" + std::to_string(ended) + "-0",
        "notes.txt",
        stagedName("busdata", ended, "link"),  // a link is no staged file
    };
    for (const auto& name : kept) std::ofstream(outFolder_ / name) << "keep";
    std::filesystem::remove(outFolder_ / kept.back());
    std::filesystem::create_symlink("notes.txt", outFolder_ / kept.back());

    importGtfs(options(basicFeed()));
    std::vector<std::string> expected = kept;
    expected.push_back("busdata");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folderNames(outFolder_), expected);
}

// Links planted where the staged file is expected are never followed, and never become OUT.
TEST_F(GtfsImportSafetyTest, PlantedLinksDoNotRedirectTheImport) {
    const auto victim = dir_ / "victim";
    test::plantStagedLinks(outFolder_, "busdata", victim);
    const std::size_t planted = folderNames(outFolder_).size();

    GtfsImportOptions import = options(basicFeed());
    importGtfs(import);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(victim)));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(import.out)));
    EXPECT_EQ(lineRows(import.out).size(), 2u);
    EXPECT_EQ(folderNames(outFolder_).size(), planted + 1);
}

// OUT is checked before the feed is read: a long import must not end in a refusal.
TEST_F(GtfsImportSafetyTest, OutIsCheckedBeforeTheFeedIsRead) {
    ASSERT_EQ(::mkfifo((outFolder_ / "pipe").c_str(), 0600), 0);
    struct Case {
        std::filesystem::path out;
        ErrorKind kind;
        std::string message;
    };
    const Case cases[] = {
        {"", ErrorKind::BadArgument, "没有指定要写入的数据文件"},
        {outFolder_, ErrorKind::NotAFile, "是一个文件夹"},
        {outFolder_ / "", ErrorKind::NotAFile, "是一个文件夹"},
        {outFolder_ / "pipe", ErrorKind::NotAFile, "不是普通文件"},
        {dir_ / "nowhere" / "busdata", ErrorKind::FileMissing, "不存在"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out.string());
        GtfsImportOptions import = options(basicFeed());
        import.feed = dir_ / "no-such-feed.zip";
        import.out = c.out;
        try {
            importGtfs(import);
            ADD_FAILURE() << "imported";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), c.kind) << e.what();
            EXPECT_THAT(e.what(), HasSubstr(c.message));
        }
    }
    EXPECT_THAT(folderNames(outFolder_), ElementsAre("pipe"));
}

// A file that cannot be written to the end (a full disk, a size limit) fails with a message
// that names OUT and the problem in the traveller's words, and leaves nothing behind.
TEST_F(GtfsImportSafetyTest, AWriteFailureIsReportedAndLeavesNothing) {
    GtfsImportOptions import = options(basicFeed());
    std::ofstream(import.out) << "the data set of yesterday";
    auto importWithinTwoPages = [&] {
        // The file may not grow beyond two pages: the third write fails.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            importGtfs(import);
        } catch (const Error& e) {
            std::string message = e.what();
            std::fprintf(stderr, "%s\n", message.c_str());
            // Apart from the file's name, no word of SQLite's or the system's own.
            std::string words = message;
            if (std::size_t at = words.find(import.out.string()); at != std::string::npos) {
                words.erase(at, import.out.string().size());
            }
            bool ok = e.kind() == ErrorKind::WriteFailed &&
                      message.starts_with("无法写入数据文件 “" + import.out.string() + "”：") &&
                      !std::regex_search(words, std::regex("[A-Za-z]")) &&
                      folderNames(outFolder_) == std::vector<std::string>{"busdata"} &&
                      content(import.out) == "the data set of yesterday";
            std::exit(ok ? 0 : 1);
        }
        std::exit(2);
    };
    EXPECT_EXIT(importWithinTwoPages(), ::testing::ExitedWithCode(0), "无法写入数据文件");
}

// However large the rows of a feed, the import reads them in little memory and its summary
// stays short: rows beyond the limits are left out and counted.
TEST_F(GtfsImportSafetyTest, HugeRowsAreSkippedWithinBoundedMemory) {
    GtfsImportOptions import = options(basicFeed());
    {
        GtfsTestFeed feed = basicFeed();
        feed.files["stop_times.txt"] += "T9,06:20:00,06:20:00," + std::string(16 << 20, 'S') +
                                        ",4\n" + std::string(4 << 20, ',') + "\n";
        import.feed = feed.writeZip(dir_ / "huge.zip");
    }
    std::size_t before = 0;
    std::size_t peak = 0;
    ImportSummary summary = importGtfs(import, [&](std::uint64_t, std::uint64_t) {
        if (before == 0) before = heapInUse();
        peak = std::max(peak, heapInUse());
    });
    EXPECT_LT(static_cast<std::ptrdiff_t>(peak - before), 8 << 20);
    EXPECT_EQ(summary.lines, 2u);
    EXPECT_EQ(summary.stopTimes, 9u);
    std::vector<std::string> skipped;
    for (const RowIssue& issue : summary.skipped) {
        skipped.push_back(issue.file + "：" + issue.reason + "×" + std::to_string(issue.count));
        EXPECT_LE(countCharacters(issue.example), 100u) << issue.example.substr(0, 200);
    }
    EXPECT_THAT(skipped, ElementsAre("stop_times.txt：字段超过 64 KiB×1",
                                     "stop_times.txt：字段超过 1000 个×1"));
    EXPECT_LT(summary.text().size(), 1000u);
}

// Escape sequences and broken text in a feed reach the terminal only as visible escapes.
TEST_F(GtfsImportSafetyTest, FeedTextInTheSummaryCannotControlTheTerminal) {
    GtfsTestFeed feed = basicFeed();
    feed.files["stop_times.txt"] += "\"\x1b]0;owned\x07\x1b[2J\r\xff\xc2\x9b" +
                                    std::string(200, 'y') + "\",06:20:00,06:20:00,S2,4\n";
    ImportSummary summary = importGtfs(options(feed));
    const std::string text = summary.text();
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_FALSE(std::regex_search(text, std::regex("[\x01-\x09\x0b-\x1f\x7f]")));
    EXPECT_THAT(text, HasSubstr("trip_id “\\x1b]0;owned\\x07\\x1b[2J\\x0d\uFFFD\\u009byyy"));
    ASSERT_EQ(summary.skipped.size(), 1u);
    const std::string& example = summary.skipped[0].example;
    std::string value = example.substr(example.find("“") + std::string("“").size());
    value.erase(value.rfind("”"));
    EXPECT_EQ(countCharacters(value), 81u) << value;  // 80 and the mark of the cut
    EXPECT_TRUE(value.ends_with("y…"));
}

TEST_F(GtfsImportSafetyTest, OutMustBeAFileInAnExistingFolder) {
    GtfsImportOptions intoFolder = options(basicFeed());
    intoFolder.out = outFolder_;
    EXPECT_THAT(failure(intoFolder), HasSubstr("是一个文件夹"));

    GtfsImportOptions missingFolder = options(basicFeed());
    missingFolder.out = dir_ / "nowhere" / "busdata";
    EXPECT_THAT(failure(missingFolder), HasSubstr("不存在"));
}

TEST_F(GtfsImportSafetyTest, FeedsInAFolderOfTheirOwnReadLikeFeedsAtTheRoot) {
    GtfsImportOptions fromFolder = options(basicFeed());
    importGtfs(fromFolder);
    std::vector<std::string> expected = lineRows(fromFolder.out);

    // At the archive's root, and in a folder of its own (a zipped feed folder).
    for (const std::string& inside : {std::string(), std::string("city-feed/")}) {
        SCOPED_TRACE(inside);
        GtfsImportOptions fromZip = options(basicFeed());
        fromZip.feed =
            basicFeed().writeZip(dir_ / ("feed" + std::to_string(++feeds_) + ".zip"), inside);
        std::filesystem::remove(fromZip.out);
        importGtfs(fromZip);
        EXPECT_EQ(lineRows(fromZip.out), expected);
    }

    // An unpacked archive whose feed sits in a folder of its own, beside a resource fork copy.
    GtfsImportOptions unpacked = options(basicFeed());
    const auto outer = dir_ / "unpacked";
    basicFeed().writeFolder(outer / "City-Feed");
    basicFeed().without("routes.txt").writeFolder(outer / "__MACOSX");
    unpacked.feed = outer;
    std::filesystem::remove(unpacked.out);
    importGtfs(unpacked);
    EXPECT_EQ(lineRows(unpacked.out), expected);

    // The shallowest folder is the feed, however short the names of deeper ones.
    const auto nested = dir_ / "nested";
    basicFeed().writeFolder(nested / "a-long-name-for-the-feed");
    basicFeed().without("routes.txt").writeFolder(nested / "b" / "c");
    unpacked.feed = nested;
    std::filesystem::remove(unpacked.out);
    importGtfs(unpacked);
    EXPECT_EQ(lineRows(unpacked.out), expected);

    GtfsImportOptions notZip = options(basicFeed());
    notZip.feed = dir_ / "feed.txt";
    std::ofstream(notZip.feed) << "not an archive";
    EXPECT_THAT(failure(notZip), HasSubstr("无法打开压缩包"));
    EXPECT_THAT(failure(notZip), HasSubstr("”：不是 zip 压缩包"));
    notZip.feed = dir_ / "missing.zip";
    EXPECT_THAT(failure(notZip), HasSubstr("不存在"));
    EXPECT_THAT(folderNames(outFolder_), ElementsAre("busdata"));
}

}  // namespace
}  // namespace busquery
