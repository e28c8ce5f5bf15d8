#include "cli/SampleCommand.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <ostream>

#include "sample/SampleCity.h"

namespace busquery::cli {

void addSampleCommand(CLI::App& app, CliContext& context, std::function<int()>& action) {
    struct Arguments {
        std::string out;
        SampleCityOptions options;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* sample = app.add_subcommand("sample", "Write the generated sample city to OUT");
    sample->add_option("OUT", arguments->out, "New bus database file (must not exist)")->required();
    sample->add_option("--seed", arguments->options.seed, "Seed of the generator")
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
    sample->add_option("--scale", arguments->options.scale, "About K times the stations and lines")
        ->check(CLI::Range(1, kMaxSampleScale))
        ->capture_default_str();
    sample->callback([&, arguments] {
        action = [&, arguments] {
            SampleCitySize size = writeSampleCity(arguments->out, arguments->options);
            context.out << "样例城市已写入 “" << arguments->out << "”：" << size.stations
                        << " 个站点，" << size.lines << " 条线路（上下行分计）\n";
            return kExitListed;
        };
    });
}

}  // namespace busquery::cli
