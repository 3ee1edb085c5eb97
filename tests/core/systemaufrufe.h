#pragma once

#include <sys/stat.h>
#include <utility>
#include <vector>

// Test doubles around two system calls of the core (linked with
// -Wl,--wrap): fchmod can be made to fail as on a FAT stick, and every
// folder that is synced is recorded.
namespace systemaufrufe {

// The error number fchmod fails with; 0 lets the real call run.
inline int fchmod_fehler = 0;

// Device and inode of every folder passed to fsync so far.
inline std::vector<std::pair<dev_t, ino_t>> gesyncte_ordner;

} // namespace systemaufrufe
