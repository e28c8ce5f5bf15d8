#include "cli/ImportGtfsCommand.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>

namespace busquery::cli {
namespace {

// A one-line bar redrawn in place; the line is ended however the import ends.
class ProgressBar {
  public:
    explicit ProgressBar(std::ostream& stream) : stream_(stream) {}
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
        stream_ << "\r读取 stop_times.txt [" << std::string(filled, '#')
                << std::string(kWidth - filled, '-') << "] " << percent << "%" << std::flush;
    }

  private:
    std::ostream& stream_;
    int shown_ = -1;
};

}  // namespace

ImportGtfsCommand::ImportGtfsCommand()
    : Command("import-gtfs",
              "Write a bus database from a GTFS feed (a .zip or a folder of .txt files)") {}

void ImportGtfsCommand::addOptions(CLI::App& command) {
    command.add_option("FEED", options_.feed, "GTFS feed: .zip file or folder")->required();
    command.add_option("OUT", options_.out, "Bus database to write (e.g. busdata)")->required();
    command.add_option("--city", options_.citycode, "City code of the lines")
        ->capture_default_str();
    dateOption_ = command.add_option(
        "--date", date_, "Data date shown by the program (default: feed_start_date, else today)");
}

int ImportGtfsCommand::run(CliContext& context) {
    GtfsImportOptions options = options_;
    if (dateOption_->count() > 0) options.date = date_;

    // Only a person watching a terminal wants the bar; scripts and logs get the summary alone.
    std::unique_ptr<ProgressBar> bar;
    if (&context.err == &std::cerr && ::isatty(STDERR_FILENO) == 1) {
        bar = std::make_unique<ProgressBar>(context.err);
    }
    ReadProgress progress;
    if (bar) progress = [&bar](std::uint64_t done, std::uint64_t total) { bar->show(done, total); };

    ImportSummary summary = importGtfs(options, progress);
    bar.reset();
    context.out << summary.text();
    return kExitListed;
}

}  // namespace busquery::cli
