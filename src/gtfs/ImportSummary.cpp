#include "gtfs/ImportSummary.h"

#include <algorithm>

#include "gtfs/FeedText.h"

namespace busquery {
namespace {

void tally(std::vector<RowIssue>& issues, std::string_view file, std::string_view reason,
           std::uint64_t line, std::string_view field, std::string_view value,
           std::uint64_t count = 1) {
    auto it = std::find_if(issues.begin(), issues.end(), [&](const RowIssue& issue) {
        return issue.file == file && issue.reason == reason;
    });
    if (it != issues.end()) {
        it->count += count;
        return;
    }
    std::string example = line > 0 ? "第 " + std::to_string(line) + " 行，" : "";
    // What a feed holds reaches the terminal only as text it shows, and briefly.
    example += std::string(field) + " “" + displayText(value) + "”";
    issues.push_back(RowIssue{std::string(file), std::string(reason), count, std::move(example)});
}

std::string listIssues(const std::vector<RowIssue>& issues) {
    std::string text;
    for (const RowIssue& issue : issues) {
        text += "  " + issue.file + "：" + issue.reason + "，" + std::to_string(issue.count) +
                " 项（例如：" + issue.example + "）\n";
    }
    return text;
}

std::uint64_t total(const std::vector<RowIssue>& issues) {
    std::uint64_t sum = 0;
    for (const RowIssue& issue : issues) sum += issue.count;
    return sum;
}

}  // namespace

void ImportSummary::skip(std::string_view file, std::string_view reason, std::uint64_t line,
                         std::string_view field, std::string_view value) {
    tally(skipped, file, reason, line, field, value);
}

void ImportSummary::skipMany(std::uint64_t count, std::string_view file, std::string_view reason,
                             std::string_view field, std::string_view value) {
    if (count > 0) tally(skipped, file, reason, 0, field, value, count);
}

void ImportSummary::adjust(std::string_view file, std::string_view reason, std::uint64_t line,
                           std::string_view field, std::string_view value) {
    tally(adjusted, file, reason, line, field, value);
}

std::string ImportSummary::text() const {
    std::string text = "已导入 GTFS 数据到 " + out.string() + "\n";
    text += "  线路 " + std::to_string(lines) + " 条（来自 " + std::to_string(routes) +
            " 条路线，其中支线 " + std::to_string(branchLines) + " 条），站点 " +
            std::to_string(stations) + " 个\n";
    text +=
        "  班次 " + std::to_string(trips) + " 个，停靠记录 " + std::to_string(stopTimes) + " 条\n";
    text += "  其中 " + std::to_string(tripsInOrder) +
            " 个班次可由本路线的一条线路从首站按顺序乘到末站\n";
    text += "  有坐标的站点 " + std::to_string(positions) + " 个，同名异地分开命名的站名 " +
            std::to_string(namesApart.size()) + " 个，合并重复线路 " + std::to_string(mergedLines) +
            " 条，步行连接 " + std::to_string(walks) + " 条\n";
    if (englishNames > 0) {
        text += "  有英文名的站点 " + std::to_string(englishNames) + " 个\n";
    }
    if (englishLineNames > 0) {
        text += "  有英文名的线路 " + std::to_string(englishLineNames) + " 条\n";
    }
    text += "  时刻表：班次 " + std::to_string(timetableTrips) + " 个，停靠时刻 " +
            std::to_string(timetableStopTimes) + " 条\n";
    if (!calendarGiven) {
        text += "  数据没有 calendar.txt 和 calendar_dates.txt：所有班次按每天运行\n";
    }
    text += "  城市代码 " + citycode + "，数据日期 " + date + "\n";
    if (!firstServiceDay.empty()) {
        text += "  时刻表运营日：首日 " + firstServiceDay + "，末日 " + lastServiceDay + "\n";
    }
    for (const NamedApart& named : namesApart) {
        text += "  同名异地：" + displayText(named.name) + " → ";
        for (std::size_t i = 0; i < named.names.size(); ++i) {
            text += (i > 0 ? "、" : "") + displayText(named.names[i]);
        }
        text += "\n";
    }
    if (!numberedLines.empty()) {
        text +=
            "  名称相同、无从区分而加编号的线路 " + std::to_string(numberedLines.size()) + " 条：";
        for (std::size_t i = 0; i < numberedLines.size(); ++i) {
            text += (i > 0 ? "、" : "") + displayText(numberedLines[i]);
        }
        text += "\n";
    }
    if (skipped.empty()) {
        text += "没有跳过任何数据。\n";
    } else {
        text += "跳过 " + std::to_string(total(skipped)) + " 项：\n" + listIssues(skipped);
    }
    if (!adjusted.empty()) {
        text += "按规则处理 " + std::to_string(total(adjusted)) + " 项：\n" + listIssues(adjusted);
    }
    return text;
}

}  // namespace busquery
