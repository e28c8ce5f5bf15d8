#include "query/ErrorReport.h"

#include <new>

namespace busquery {

ErrorReport reportError(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const Error& error) {
        return {error.kind(), error.what(), error.detail()};
    } catch (const std::bad_alloc& error) {
        return {ErrorKind::OutOfMemory, "内存不足，未能完成", error.what()};
    } catch (const std::exception& error) {
        return {ErrorKind::ProgramFault, "程序内部出错，未能完成", error.what()};
    } catch (...) {
        return {ErrorKind::ProgramFault, "程序内部出错，未能完成", "an exception of unknown type"};
    }
}

}  // namespace busquery
