#pragma once

#include <QString>
#include <optional>

namespace busquery {
class Query;
}  // namespace busquery
namespace busquery::gui {
class FrmMain;
}

namespace busquery::gui {

// The six line categories at the head of the line list.
inline constexpr const char* kLineCategories[] = {"机场快线",   "地铁",   "公交地铁接驳专线",
                                                  "莲花山专线", "大学城", "高峰快线"};
// Prepares the window before it is shown: the skin, the banner, the line list (categories,
// the lines of table no, the night lines), the data date, and the departure time control where
// the data has a timetable. When busdata cannot be used the window still opens, without a data
// date; the problem, naming the file, is returned for the traveller.
std::optional<QString> Form_Load(FrmMain& window, Query& query);

// After the window shows: takes the categories and night lines that would find no line of
// the database out of the line list, so an imported city offers only its own kinds of line.
// Velmorina's data sets hold every one of them, and their list stays as it is.
void pruneLineList(FrmMain& window, Query& query);

}  // namespace busquery::gui
