#include "cli/ImportGtfsCommand.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>

#include "gtfs/GtfsImporter.h"

namespace busquery::cli {
namespace {

struct ImportArguments {
    GtfsImportOptions options;
    std::string date;
    CLI::Option* dateOption = nullptr;
};

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

int runImport(CliContext& context, const ImportArguments& arguments) {
    GtfsImportOptions options = arguments.options;
    if (arguments.dateOption->count() > 0) options.date = arguments.date;

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

}  // namespace

void addImportGtfsCommand(CLI::App& app, CliContext& context, std::function<int()>& action) {
    auto arguments = std::make_shared<ImportArguments>();
    auto* command = app.add_subcommand(
        "import-gtfs", "Write a bus database from a GTFS feed (a .zip or a folder of .txt files)");
    command->add_option("FEED", arguments->options.feed, "GTFS feed: .zip file or folder")
        ->required();
    command->add_option("OUT", arguments->options.out, "Bus database to write (e.g. busdata)")
        ->required();
    command->add_option("--city", arguments->options.citycode, "City code of the lines")
        ->capture_default_str();
    arguments->dateOption = command->add_option(
        "--date", arguments->date,
        "Data date shown by the program (default: feed_start_date, else today)");
    command->callback(
        [&, arguments] { action = [&, arguments] { return runImport(context, *arguments); }; });
}

}  // namespace busquery::cli
