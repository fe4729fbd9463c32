#pragma once
// The program's own share of the machine's memory.

namespace platform {

// Gives the memory that loads freed (decoding buffers, read add-on libraries) back to
// the system, where the allocator keeps it for reuse otherwise. Cheap enough to call
// whenever a large one-off load has finished.
void ReturnFreedMemory();

// A line of the process's memory status in kB ("VmRSS", "RssAnon", ...); -1 where the
// system does not say.
long OwnMemoryKb(const char* field);

} // namespace platform
