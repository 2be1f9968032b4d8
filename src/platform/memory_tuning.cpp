#include "platform/memory_tuning.h"

#include <cstdlib>  // defines __GLIBC__ on the C library that has mallopt

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace sorvik {

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
  // Blocks below 32 MB come from the heap, where a freed one serves the next unit, and up to
  // 32 MB freed at the heap's top stay with the process for the units to come.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 32 << 20);
#endif
}

}  // namespace sorvik
