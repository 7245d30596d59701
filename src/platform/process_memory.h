// How the program's process keeps memory. A run allocates and frees the
// same few megabytes card after card (a resident file, a page's strings and
// pictures). With the allocator's defaults every free at the top of the heap
// went back to the system and the next card faulted the pages in again:
// five times the page faults and a sixth of the run's time. Keep what was
// once in use, up to a bound.
#pragma once

#include <malloc.h>

namespace mc {

inline void keepFreedMemory() {
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_TOP_PAD, 16 << 20);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
}

}  // namespace mc
