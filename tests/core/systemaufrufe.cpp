#include "systemaufrufe.h"

#include <cerrno>
#include <unistd.h>

extern "C" {

int __real_fsync(int fd);
int __real_fchmod(int fd, mode_t modus);

int __wrap_fsync(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
        systemaufrufe::gesyncte_ordner.emplace_back(st.st_dev, st.st_ino);
    return __real_fsync(fd);
}

int __wrap_fchmod(int fd, mode_t modus)
{
    if (systemaufrufe::fchmod_fehler != 0) {
        errno = systemaufrufe::fchmod_fehler;
        return -1;
    }
    return __real_fchmod(fd, modus);
}

} // extern "C"
