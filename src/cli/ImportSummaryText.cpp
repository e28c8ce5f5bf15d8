#include "cli/ImportSummaryText.h"

#include <numeric>

#include "gtfs/FeedText.h"
#include "query/Words.h"

namespace busquery::cli {
namespace {

constexpr std::string_view kContext = "ImportSummary";

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

// An example row as the importer wrote it, "第 12 行，trip_id “5559”": its line number and
// field words in the language, the field's content as it stands.
std::string example(std::string_view text, Language language) {
    constexpr std::string_view kLine = "第 ";
    constexpr std::string_view kLineEnd = " 行，";
    std::string shown;
    if (text.starts_with(kLine)) {
        const auto end = text.find(kLineEnd);
        if (end != std::string_view::npos) {
            shown = tr(language, kContext, "第 %1 行，",
                       {text.substr(kLine.size(), end - kLine.size())});
            text.remove_prefix(end + kLineEnd.size());
        }
    }
    const auto quote = text.find(" “");
    if (quote == std::string_view::npos) return shown + std::string(text);
    return shown + tr(language, kContext, text.substr(0, quote)) + std::string(text.substr(quote));
}

std::string issues(const std::vector<RowIssue>& list, Language language) {
    std::string text;
    for (const RowIssue& issue : list) {
        text += trCount(
            language, kContext, "  %1：%2，%n 项（例如：%3）\n",
            static_cast<long long>(issue.count),
            {issue.file, tr(language, kContext, issue.reason), example(issue.example, language)});
    }
    return text;
}

long long total(const std::vector<RowIssue>& list) {
    return std::accumulate(list.begin(), list.end(), 0LL, [](long long sum, const RowIssue& issue) {
        return sum + static_cast<long long>(issue.count);
    });
}

std::string listed(const std::vector<std::string>& names, Language language) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i > 0 ? tr(language, kContext, "、") : "") + displayText(names[i]);
    }
    return text;
}

}  // namespace

std::string writtenImportSummary(const ImportSummary& s, Language language) {
    const auto line = [language](std::string_view source,
                                 std::initializer_list<std::string_view> args) {
        return tr(language, kContext, source, args);
    };
    std::string text = line("已导入 GTFS 数据到 %1\n", {s.out.string()});
    text += line("  线路 %1 条（来自 %2 条路线，其中支线 %3 条），站点 %4 个\n",
                 {number(s.lines), number(s.routes), number(s.branchLines), number(s.stations)});
    text += line("  班次 %1 个，停靠记录 %2 条\n", {number(s.trips), number(s.stopTimes)});
    text += line("  其中 %1 个班次可由本路线的一条线路从首站按顺序乘到末站\n",
                 {number(s.tripsInOrder)});
    text += line(
        "  有坐标的站点 %1 个，同名异地分开命名的站名 %2 个，合并重复线路 %3 条，步行连接 "
        "%4 条\n",
        {number(s.positions), number(s.namesApart.size()), number(s.mergedLines), number(s.walks)});
    if (s.englishNames > 0) {
        text += line("  有英文名的站点 %1 个\n", {number(s.englishNames)});
    }
    if (s.englishLineNames > 0) {
        text += line("  有英文名的线路 %1 条\n", {number(s.englishLineNames)});
    }
    text += line("  时刻表：班次 %1 个，停靠时刻 %2 条\n",
                 {number(s.timetableTrips), number(s.timetableStopTimes)});
    if (!s.calendarGiven) {
        text += line("  数据没有 calendar.txt 和 calendar_dates.txt：所有班次按每天运行\n", {});
    }
    text += line("  城市代码 %1，数据日期 %2\n", {s.citycode, s.date});
    if (!s.firstServiceDay.empty()) {
        text += line("  时刻表运营日：首日 %1，末日 %2\n", {s.firstServiceDay, s.lastServiceDay});
    }
    for (const NamedApart& named : s.namesApart) {
        text +=
            line("  同名异地：%1 → %2\n", {displayText(named.name), listed(named.names, language)});
    }
    if (!s.numberedLines.empty()) {
        text += trCount(language, kContext, "  名称相同、无从区分而加编号的线路 %n 条：%1\n",
                        static_cast<long long>(s.numberedLines.size()),
                        {listed(s.numberedLines, language)});
    }
    if (s.skipped.empty()) {
        text += line("没有跳过任何数据。\n", {});
    } else {
        text += trCount(language, kContext, "跳过 %n 项：\n", total(s.skipped)) +
                issues(s.skipped, language);
    }
    if (!s.adjusted.empty()) {
        text += trCount(language, kContext, "按规则处理 %n 项：\n", total(s.adjusted)) +
                issues(s.adjusted, language);
    }
    return text;
}

std::string importSummaryText(const ImportSummary& summary, Language language) {
    return language == Language::Chinese ? summary.text() : writtenImportSummary(summary, language);
}

}  // namespace busquery::cli
