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

// The file a chain of symbolic links ends in (the name itself if it is no
// link); a link to a missing file gives the name of the file to create.
std::string ziel_der_links(std::string pfad)
{
    for (int schritte = 0; schritte < 40; ++schritte) {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return pfad;
        std::vector<char> puffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(pfad.c_str(), puffer.data(), puffer.size());
        if (n < 0)
            throw Fehler::aus_errno(errno);
        if (static_cast<std::size_t>(n) >= puffer.size())
            throw Fehler::aus_errno(ENAMETOOLONG); // the link changed meanwhile
        std::string verweis(puffer.data(), static_cast<std::size_t>(n));
        pfad = verweis.starts_with('/') ? verweis : ordner_von(pfad) + "/" + verweis;
    }
    throw Fehler::aus_errno(ELOOP);
}

void schreibe_alles(int fd, std::string_view inhalt)
{
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Fehler::aus_errno(errno);
        }
        geschrieben += static_cast<std::size_t>(n);
    }
}

// For a file whose folder cannot be written: overwrite it, then cut it to
// the new length.
void schreibe_an_ort_und_stelle(const std::string& dateiname, std::string_view inhalt)
{
    const int fd = ::open(dateiname.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        throw Fehler::aus_errno(errno);
    TempDatei datei(fd, std::string()); // closes, removes nothing
    schreibe_alles(fd, inhalt);
    if (::ftruncate(fd, static_cast<off_t>(inhalt.size())) != 0 || ::fsync(fd) != 0)
        throw Fehler::aus_errno(errno);
    if (datei.schliessen() != 0)
        throw Fehler::aus_errno(errno);
}

// Makes the rename durable. File systems that cannot sync a folder say so
// with EINVAL; for them the rename is as safe as it gets.
void ordner_syncen(const std::string& ordner)
{
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // a folder we may write but not read; nothing more to do
    const int r = ::fsync(fd);
    const int fehler = errno;
    ::close(fd);
    if (r != 0 && fehler != EINVAL)
        throw Fehler::aus_errno(fehler);
}

} // namespace

void schreibe_datei_sicher(const std::string& name, std::string_view inhalt)
{
    if (name.empty())
        throw Fehler::aus_errno(ENOENT);
    const std::string dateiname = ziel_der_links(name);

    mode_t modus = 0666;
    struct stat st {};
    const bool vorhanden = ::stat(dateiname.c_str(), &st) == 0;
    if (vorhanden) {
        // Renaming over a device or a pipe would replace it by a file.
        if (!S_ISREG(st.st_mode))
            throw Fehler::keine_datei(name, S_ISDIR(st.st_mode));
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

    const std::string ordner = ordner_von(dateiname);
    std::string vorlage = ordner + "/.orbela-XXXXXX";
    std::vector<char> puffer(vorlage.begin(), vorlage.end());
    puffer.push_back('\0');
    const int fd = ::mkstemp(puffer.data());
    if (fd < 0) {
        if (vorhanden && (errno == EACCES || errno == EPERM)) {
            schreibe_an_ort_und_stelle(dateiname, inhalt);
            return;
        }
        throw Fehler::aus_errno(errno);
    }
    TempDatei temp(fd, std::string(puffer.data()));

    schreibe_alles(temp.fd(), inhalt);
    // File systems without Unix permissions (FAT sticks, some network
    // shares) refuse this; the file is then as they make every file.
    (void)::fchmod(temp.fd(), modus);
    if (::fsync(temp.fd()) != 0)
        throw Fehler::aus_errno(errno);
    if (temp.schliessen() != 0)
        throw Fehler::aus_errno(errno);
    if (::rename(temp.name().c_str(), dateiname.c_str()) != 0)
        throw Fehler::aus_errno(errno);
    temp.freigeben();
    ordner_syncen(ordner);
}

} // namespace orbela
