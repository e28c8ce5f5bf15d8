#pragma once

#include <malloc.h>

#include <cstddef>

namespace busquery::test {

// Bytes the heap has handed out and not taken back, as glibc counts them (large blocks that
// live in mappings of their own included).
inline std::size_t heapInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace busquery::test
