// How the program asks the C library to manage its memory.
#pragma once

namespace sorvik {

// A run prepares thousands of units one after the other, each in blocks of a few megabytes
// that are freed once the walk has read it. Left to its defaults, the allocator hands such
// blocks back to the system as soon as they are freed and takes them anew for the next
// unit, and every page taken anew costs a fault on first touch: on a large project about a
// tenth of the scan's processor time. Called once at start, before any thread is made.
void keepFreedMemoryForReuse();

}  // namespace sorvik
