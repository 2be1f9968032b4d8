#include "platform/memory_tuning.h"

#include <cstdlib>  // defines __GLIBC__ on the C library that has mallopt

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace sorvik {

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
  // Blocks below 32 MB come from the heap, where a freed one serves the next unit, and up to
  // 128 MB freed at the heap's top stay with the process. The peak stays what the largest
  // units held at once: freed room is reused before new room is taken.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
}

}  // namespace sorvik
