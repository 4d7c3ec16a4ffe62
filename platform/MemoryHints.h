#pragma once
// Hints to the operating system about how the program uses its memory. They change no result;
// where the system takes no such hint they do nothing.
#include <cstddef>

// The buffer will be written from end to end, tens of megabytes of it: the system may back it
// with large pages, which a buffer growing by millions of small writes faults in far fewer times.
void AdviseLargePages(void* data, std::size_t size);
