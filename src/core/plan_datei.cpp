#include "core/plan_datei.h"

#include <array>
#include <memory>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fehler.h"
#include "core/sichere_datei.h"

namespace orbela {

void lade_plan(const std::string& dateiname, plantyp& plan)
{
    if (dateiname.empty())
        throw Fehler::aus_errno(ENOENT);
    const int fd = ::open(dateiname.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw Fehler::aus_errno(errno);

    struct Schliesser {
        int fd;
        ~Schliesser() { ::close(fd); }
    } schliesser{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw Fehler::aus_errno(errno);
    if ((st.st_mode & 0222) == 0)
        throw Fehler::aus_errno(EACCES);

    auto puffer = std::make_unique<std::array<unsigned char, plan_groesse>>();
    std::size_t gelesen = 0;
    while (gelesen < plan_groesse) {
        const ssize_t n = ::read(fd, puffer->data() + gelesen, plan_groesse - gelesen);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Fehler::aus_errno(errno);
        }
        if (n == 0)
            throw Fehler::dateiende();
        gelesen += static_cast<std::size_t>(n);
    }
    std::memcpy(static_cast<void*>(&plan), puffer->data(), plan_groesse);
}

void speichere_plan(const std::string& dateiname, const plantyp& plan)
{
    schreibe_datei_sicher(dateiname,
                          std::string_view(reinterpret_cast<const char*>(&plan), sizeof plan));
}

} // namespace orbela
