#include "cli/SampleCommand.h"

#include <charconv>
#include <cstdint>
#include <ostream>

#include "query/Words.h"

namespace busquery::cli {

SampleCommand::SampleCommand(const Language& language)
    : Command("sample", "Write the generated sample city to OUT"), language_(language) {}

void SampleCommand::addOptions(CLI::App& command) {
    command.add_option("OUT", out_, "Bus database to write (an existing file is replaced)")
        ->required();
    command.add_option("--seed", options_.seed, "Seed of the generator")
        ->check(
            [this](const std::string& text) {
                // Parsed here as well: a too large number would otherwise become the largest seed.
                std::uint64_t value = 0;
                auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
                bool whole = error == std::errc() && end == text.data() + text.size();
                return whole ? std::string()
                             : tr(language_, "Cli",
                                  "种子须是 0 到 18446744073709551615 之间的整数：%1", {text});
            },
            "")
        ->capture_default_str();
    command.add_option("--scale", options_.scale, "About K times the stations and lines")
        ->check(CLI::Range(1, kMaxSampleScale))
        ->capture_default_str();
    command.add_flag("--timetables", options_.timetables,
                     "Also write every line's trips through its service hours");
}

int SampleCommand::run(CliContext& context) {
    SampleCitySize size = writeSampleCity(out_, options_);
    context.out << tr(context.language, "Cli",
                      "样例城市已写入 “%1”：%2 个站点，%3 条线路（上下行分计）",
                      {out_, std::to_string(size.stations), std::to_string(size.lines)});
    if (options_.timetables) {
        context.out << tr(context.language, "Cli", "，班次 %1 个，停靠时刻 %2 条",
                          {std::to_string(size.trips), std::to_string(size.stopTimes)});
    }
    context.out << "\n";
    return kExitListed;
}

}  // namespace busquery::cli
