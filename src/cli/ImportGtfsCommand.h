#pragma once

#include <string>

#include "cli/Command.h"
#include "gtfs/GtfsImporter.h"

namespace busquery::cli {

// import-gtfs FEED OUT [--city CODE] [--date TEXT]: writes a bus database from a GTFS feed and
// prints what was imported and skipped; a progress bar on a terminal's standard error.
class ImportGtfsCommand : public Command {
  public:
    ImportGtfsCommand();
    void addOptions(CLI::App& command) override;
    int run(CliContext& context) override;

  private:
    GtfsImportOptions options_;
    std::string date_;
    std::string cityName_;
    CLI::Option* dateOption_ = nullptr;
};

}  // namespace busquery::cli
