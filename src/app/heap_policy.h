// How the programs' heap treats the memory they free. A drawing operation builds buffers of megabytes for a moment
// (a drawing of 40000 entities is about 6 MB, and AutoJoin's search needs some 20 MB beside it). With glibc's
// defaults such buffers are mapped afresh and given back to the system when freed, so every call pays a page
// fault for each 4 KB it touches. Buffers below 32 MB come from the heap, and the heap keeps up to 128 MB of freed
// memory at its top, so that an operation done again finds the pages of the last one.
#pragma once

#include <malloc.h>

inline void KeepFreedMemoryForReuse()
{
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}
