#include "core/lesedatei.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fehler.h"

namespace orbela {

namespace {

void pruefe_art(const std::string& dateiname, const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        throw Fehler::keine_datei(dateiname, S_ISDIR(st.st_mode));
}

} // namespace

Lesedatei::Lesedatei(const std::string& dateiname, int modus)
{
    if (dateiname.empty())
        throw Fehler::aus_errno(ENOENT);
    // Look before opening, so that no device is even opened; look again at
    // what was opened, in case the name was replaced meanwhile. Opening
    // without blocking keeps a pipe from waiting for a writer.
    struct stat st {};
    if (::stat(dateiname.c_str(), &st) == 0)
        pruefe_art(dateiname, st);
    fd_ = ::open(dateiname.c_str(), modus | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        throw Fehler::aus_errno(errno);
    if (::fstat(fd_, &st) != 0) {
        const int fehler = errno;
        ::close(fd_);
        throw Fehler::aus_errno(fehler);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        pruefe_art(dateiname, st);
    }
    groesse_ = static_cast<std::size_t>(st.st_size);
    rechte_ = st.st_mode & 07777;
}

Lesedatei::~Lesedatei()
{
    ::close(fd_);
}

std::size_t Lesedatei::lies(unsigned char* ziel, std::size_t anzahl)
{
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        const ssize_t n = ::read(fd_, ziel + gelesen, anzahl - gelesen);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Fehler::aus_errno(errno);
        }
        if (n == 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    return gelesen;
}

} // namespace orbela
