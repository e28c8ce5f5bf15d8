#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace busquery {

// Name under which the collation is registered on every connection: ORDER BY stna COLLATE pinyin.
inline constexpr const char* kPinyinCollation = "pinyin";

// Chinese (pinyin) order of ICU's "zh" collator at default strength; texts it finds equal are
// ordered by their bytes, so the order is total. Negative, zero or positive like strcmp.
int comparePinyin(std::string_view a, std::string_view b);

// A byte string whose order (then the text's own bytes) is the order of comparePinyin: sorting
// many names by their keys is far cheaper than comparing them pairwise through ICU.
std::string pinyinSortKey(std::string_view text);

// Registers the collation on the connection. Throws Error when SQLite refuses it.
void registerPinyinCollation(sqlite3* connection);

}  // namespace busquery
