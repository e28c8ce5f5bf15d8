#include "cli/ImportGtfsCommand.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/ImportSummaryText.h"
#include "query/ErrorReport.h"
#include "query/Words.h"

namespace busquery::cli {
namespace {

// A one-line bar redrawn in place; the line is ended however the import ends.
class ProgressBar {
  public:
    ProgressBar(std::ostream& stream, Language language)
        : stream_(stream), reading_(tr(language, "Cli", "读取 %1", {"stop_times.txt"})) {}
    ~ProgressBar() {
        if (shown_ >= 0) stream_ << '\n' << std::flush;
    }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void show(std::uint64_t done, std::uint64_t total) {
        if (total == 0) return;
        int percent = static_cast<int>(std::min<std::uint64_t>(done, total) * 100 / total);
        if (percent == shown_) return;
        shown_ = percent;
        constexpr int kWidth = 30;
        int filled = percent * kWidth / 100;
        stream_ << '\r' << reading_ << " [" << std::string(filled, '#')
                << std::string(kWidth - filled, '-') << "] " << percent << "%" << std::flush;
    }

  private:
    std::ostream& stream_;
    std::string reading_;
    int shown_ = -1;
};

// Whether feed and out name one file: the same file through a link or another path, or one
// path that is a link to where the other leads. The database would replace the feed.
bool sameFile(const std::filesystem::path& feed, const std::filesystem::path& out) {
    std::error_code ec;
    if (std::filesystem::equivalent(feed, out, ec)) return true;
    const auto feedTarget = std::filesystem::weakly_canonical(feed, ec);
    if (ec) return false;
    const auto outTarget = std::filesystem::weakly_canonical(out, ec);
    return !ec && feedTarget == outTarget;
}

}  // namespace

ImportGtfsCommand::ImportGtfsCommand()
    : Command("import-gtfs",
              "Write a bus database from a GTFS feed (a .zip or a folder of .txt files)") {}

void ImportGtfsCommand::addOptions(CLI::App& command) {
    command.add_option("FEED", options_.feed, "GTFS feed: .zip file or folder")->required();
    command.add_option("OUT", options_.out, "Bus database to write (e.g. busdata)")->required();
    command.add_option("--city", options_.citycode, "City code of the lines")
        ->capture_default_str();
    command.add_option("--city-name", cityName_,
                       "The city's name as its travellers say it, for the window's title, banner "
                       "and version line (default: the feed's first agency's name)");
    dateOption_ = command.add_option(
        "--date", date_, "Data date shown by the program (default: feed_start_date, else today)");
}

int ImportGtfsCommand::run(CliContext& context) {
    GtfsImportOptions options = options_;
    if (dateOption_->count() > 0) options.date = date_;
    if (!cityName_.empty()) options.cityName = cityName_;
    if (sameFile(options.feed, options.out)) {
        throw Error(ErrorKind::BadArgument,
                    {"FEED 与 OUT 是同一个文件 “%1”：数据库会覆盖 GTFS 数据，未写入任何文件",
                     {ErrorText::value(options.out.string())}});
    }

    // Only a person watching a terminal wants the bar; scripts and logs get the summary alone.
    std::unique_ptr<ProgressBar> bar;
    if (&context.err == &std::cerr && ::isatty(STDERR_FILENO) == 1) {
        bar = std::make_unique<ProgressBar>(context.err, context.language);
    }
    ReadProgress progress;
    if (bar) progress = [&bar](std::uint64_t done, std::uint64_t total) { bar->show(done, total); };

    ImportSummary summary = importGtfs(options, progress);
    bar.reset();
    // OUT is written now: a summary that cannot be shown does not undo that, and the status
    // must not say it failed.
    context.out << importSummaryText(summary, context.language);
    if (!context.tryFlushOutput()) {
        context.err << "busquery-cli: "
                    << tr(context.language, "Cli",
                          "已写入 “%1”，但无法输出导入摘要（无法写入标准输出）",
                          {options.out.string()})
                    << '\n';
        context.outputLossReported = true;
        return kExitSummaryLost;
    }
    return kExitListed;
}

}  // namespace busquery::cli
