#include "cli/FailureMessage.h"

#include <new>

#include "store/Error.h"

namespace busquery::cli {

std::string failureMessage(const std::exception& failure) {
    if (const auto* error = dynamic_cast<const Error*>(&failure)) return error->what();
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return "内存不足，未能完成";
    return "程序内部出错，未能完成";
}

}  // namespace busquery::cli
