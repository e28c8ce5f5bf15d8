#include "store/PinyinCollation.h"

#include <sqlite3.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <memory>

#include "store/Error.h"

namespace busquery {
namespace {

struct CollatorCloser {
    void operator()(UCollator* c) const { ucol_close(c); }
};

const UCollator* pinyinCollator() {
    static const std::unique_ptr<UCollator, CollatorCloser> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("zh", &status);
        if (U_FAILURE(status))
            throw Error(ErrorKind::NotADatabase, "无法加载中文排序规则（ICU zh）");
        return std::unique_ptr<UCollator, CollatorCloser>(c);
    }();
    return collator.get();
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return comparePinyin(std::string_view(static_cast<const char*>(a), lengthA),
                         std::string_view(static_cast<const char*>(b), lengthB));
}

}  // namespace

int comparePinyin(std::string_view a, std::string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult r =
        ucol_strcollUTF8(pinyinCollator(), a.data(), static_cast<int32_t>(a.size()), b.data(),
                         static_cast<int32_t>(b.size()), &status);
    if (U_SUCCESS(status) && r != UCOL_EQUAL) return r == UCOL_LESS ? -1 : 1;
    int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

std::string pinyinSortKey(std::string_view text) {
    // The collator reads UTF-8 with ill-formed sequences as U+FFFD; the conversion does the same.
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    std::u16string utf16(text.size() + 1, u'\0');
    u_strFromUTF8WithSub(utf16.data(), static_cast<int32_t>(utf16.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) return {};
    std::string key(64, '\0');
    for (;;) {
        int32_t needed = ucol_getSortKey(pinyinCollator(), utf16.data(), length,
                                         reinterpret_cast<uint8_t*>(key.data()),
                                         static_cast<int32_t>(key.size()));
        if (needed <= static_cast<int32_t>(key.size())) {
            key.resize(needed > 0 ? needed - 1 : 0);  // without the terminating zero byte
            return key;
        }
        key.resize(needed);
    }
}

void registerPinyinCollation(sqlite3* connection) {
    if (sqlite3_create_collation(connection, kPinyinCollation, SQLITE_UTF8, nullptr, collate) !=
        SQLITE_OK) {
        throw Error(ErrorKind::NotADatabase, "无法注册中文排序规则");
    }
}

}  // namespace busquery
