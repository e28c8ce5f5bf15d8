#include "cli/SampleCommand.h"

#include <charconv>
#include <cstdint>
#include <ostream>

namespace busquery::cli {

SampleCommand::SampleCommand() : Command("sample", "Write the generated sample city to OUT") {}

void SampleCommand::addOptions(CLI::App& command) {
    command.add_option("OUT", out_, "Bus database to write (an existing file is replaced)")
        ->required();
    command.add_option("--seed", options_.seed, "Seed of the generator")
        ->check(
            [](const std::string& text) {
                // Parsed here as well: a too large number would otherwise become the largest seed.
                std::uint64_t value = 0;
                auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
                bool whole = error == std::errc() && end == text.data() + text.size();
                return whole ? std::string()
                             : "种子须是 0 到 18446744073709551615 之间的整数：" + text;
            },
            "整数")
        ->capture_default_str();
    command.add_option("--scale", options_.scale, "About K times the stations and lines")
        ->check(CLI::Range(1, kMaxSampleScale))
        ->capture_default_str();
}

int SampleCommand::run(CliContext& context) {
    SampleCitySize size = writeSampleCity(out_, options_);
    context.out << "样例城市已写入 “" << out_ << "”：" << size.stations << " 个站点，" << size.lines
                << " 条线路（上下行分计）\n";
    return kExitListed;
}

}  // namespace busquery::cli
