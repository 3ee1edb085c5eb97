#include "core/sichere_datei.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/fehler.h"

namespace orbela {

namespace {

// Closes the descriptor and removes the temporary file unless released.
class TempDatei {
public:
    TempDatei(int fd, std::string name)
        : fd_(fd)
        , name_(std::move(name))
    {
    }
    ~TempDatei()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.empty())
            ::unlink(name_.c_str());
    }
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;

    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    int schliessen()
    {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }
    void freigeben() { name_.clear(); }

private:
    int fd_;
    std::string name_;
};

std::string ordner_von(const std::string& pfad)
{
    const auto pos = pfad.rfind('/');
    if (pos == std::string::npos)
        return ".";
    if (pos == 0)
        return "/";
    return pfad.substr(0, pos);
}

} // namespace

void schreibe_datei_sicher(const std::string& dateiname, std::string_view inhalt)
{
    if (dateiname.empty())
        throw Fehler::aus_errno(ENOENT);

    mode_t modus = 0666;
    struct stat st {};
    const bool vorhanden = ::stat(dateiname.c_str(), &st) == 0;
    if (vorhanden) {
        if (S_ISDIR(st.st_mode))
            throw Fehler::aus_errno(EISDIR);
        // A file without any write permission is write-protected, also for
        // a user (such as root) whom the system would let write it.
        if ((st.st_mode & 0222) == 0 || ::access(dateiname.c_str(), W_OK) != 0)
            throw Fehler::aus_errno(EACCES);
        modus = st.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }

    std::string vorlage = ordner_von(dateiname) + "/.orbela-XXXXXX";
    std::vector<char> puffer(vorlage.begin(), vorlage.end());
    puffer.push_back('\0');
    const int fd = ::mkstemp(puffer.data());
    if (fd < 0)
        throw Fehler::aus_errno(errno);
    TempDatei temp(fd, std::string(puffer.data()));

    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(temp.fd(), inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Fehler::aus_errno(errno);
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    if (::fchmod(temp.fd(), modus) != 0 || ::fsync(temp.fd()) != 0)
        throw Fehler::aus_errno(errno);
    if (temp.schliessen() != 0)
        throw Fehler::aus_errno(errno);
    if (::rename(temp.name().c_str(), dateiname.c_str()) != 0)
        throw Fehler::aus_errno(errno);
    temp.freigeben();
}

} // namespace orbela
