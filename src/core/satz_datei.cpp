#include "core/satz_datei.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/fehler.h"

namespace orbela {

namespace {

class Lesedatei {
public:
    explicit Lesedatei(const std::string& dateiname)
        : fd_(::open(dateiname.c_str(), O_RDONLY | O_CLOEXEC))
    {
        if (fd_ < 0)
            throw Fehler::aus_errno(errno);
    }
    ~Lesedatei() { ::close(fd_); }
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;

    // Fills the buffer as far as the file allows; returns the bytes read,
    // fewer than asked only at the end of the file.
    std::size_t lies(unsigned char* ziel, std::size_t anzahl)
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

private:
    int fd_;
};

} // namespace

void lies_saetze(const std::string& dateiname, std::size_t satzlaenge,
                 const std::function<void(std::span<const unsigned char>)>& je_satz)
{
    if (dateiname.empty())
        throw Fehler::aus_errno(ENOENT);
    Lesedatei datei(dateiname);
    if (satzlaenge == 0)
        return;
    std::vector<unsigned char> satz(satzlaenge);
    while (datei.lies(satz.data(), satz.size()) == satz.size())
        je_satz(satz);
}

std::string lies_dateianfang(const std::string& dateiname, std::size_t anzahl)
{
    if (dateiname.empty())
        throw Fehler::aus_errno(ENOENT);
    Lesedatei datei(dateiname);
    std::string bytes(anzahl, '\0');
    if (datei.lies(reinterpret_cast<unsigned char*>(bytes.data()), anzahl) < anzahl)
        throw Fehler::dateiende();
    return bytes;
}

bool datei_vorhanden(const std::string& dateiname)
{
    if (dateiname.empty())
        return false;
    struct stat st {};
    if (::stat(dateiname.c_str(), &st) == 0)
        return true;
    return errno != ENOENT && errno != ENOTDIR;
}

} // namespace orbela
