#include "core/veroeffentlichen/ordner_ersetzen.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fehler.h"

namespace orbela {

namespace {

std::string ordner_von(const std::string& pfad)
{
    const auto pos = pfad.rfind('/');
    if (pos == std::string::npos)
        return ".";
    return pos == 0 ? "/" : pfad.substr(0, pos);
}

std::string name_von(const std::string& pfad)
{
    const auto pos = pfad.rfind('/');
    return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}

// "<was> in „/pfad“ können nicht gespeichert werden: <Ursache>"
[[noreturn]] void scheitern(const std::string& ziel, std::string_view was, const std::string& ursache)
{
    std::string text(was);
    text += " in „" + ziel + "“ können nicht gespeichert werden: " + ursache;
    throw Fehler(std::move(text));
}

[[noreturn]] void scheitern_errno(const std::string& ziel, std::string_view was, int fehlernummer)
{
    scheitern(ziel, was, Fehler::aus_errno(fehlernummer).text());
}

// The names in a folder, without "." and "..".
std::vector<std::string> eintraege(const std::string& ordner, int& fehlernummer)
{
    std::vector<std::string> namen;
    DIR* d = ::opendir(ordner.c_str());
    if (d == nullptr) {
        fehlernummer = errno;
        return namen;
    }
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            namen.push_back(name);
    }
    ::closedir(d);
    fehlernummer = 0;
    return namen;
}

// Removes the files of a folder we wrote and then the folder; what cannot
// be removed stays (it is left over beside the target, not in it).
void ordner_entfernen(const std::string& ordner)
{
    int fehlernummer = 0;
    for (const std::string& name : eintraege(ordner, fehlernummer))
        ::unlink((ordner + "/" + name).c_str());
    ::rmdir(ordner.c_str());
}

// A folder beside the target that is removed unless released.
class NeuerOrdner {
public:
    explicit NeuerOrdner(std::string pfad)
        : pfad_(std::move(pfad))
    {
    }
    ~NeuerOrdner()
    {
        if (!pfad_.empty())
            ordner_entfernen(pfad_);
    }
    NeuerOrdner(const NeuerOrdner&) = delete;
    NeuerOrdner& operator=(const NeuerOrdner&) = delete;
    const std::string& pfad() const { return pfad_; }
    void umbenannt(std::string neuer_pfad) { pfad_ = std::move(neuer_pfad); }
    void freigeben() { pfad_.clear(); }

private:
    std::string pfad_;
};

// Writes a new file and starts writing it to disk without waiting; the
// descriptor stays open for `dateien_syncen`, so that the disk takes all
// files of the folder in one go rather than one wait per file.
int datei_schreiben(const std::string& pfad, std::string_view inhalt, mode_t modus, int& fd)
{
    fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
    if (fd < 0)
        return errno;
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        geschrieben += static_cast<std::size_t>(n);
    }
    (void)::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    return 0;
}

// Waits until every file is on disk and closes it; the first error counts.
int dateien_syncen(std::vector<int>& fds)
{
    int fehler = 0;
    for (const int fd : fds) {
        if (fehler == 0 && ::fsync(fd) != 0)
            fehler = errno;
        if (::close(fd) != 0 && fehler == 0)
            fehler = errno;
    }
    fds.clear();
    return fehler;
}

void ordner_syncen(const std::string& ordner)
{
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

bool hat_endung(const std::string& name, std::initializer_list<std::string_view> endungen)
{
    for (const std::string_view e : endungen)
        if (name.size() > e.size() && name.ends_with(e))
            return true;
    return false;
}

} // namespace

void ordner_ersetzen(const std::string& ziel_angabe, const std::vector<Ausgabedatei>& dateien,
                     std::initializer_list<std::string_view> endungen, std::string_view was)
{
    std::string ziel = ziel_angabe;
    while (ziel.size() > 1 && ziel.back() == '/')
        ziel.pop_back();
    if (ziel.empty())
        throw Fehler(std::string(was) + " können nicht gespeichert werden: Es ist kein Ordner angegeben.");

    // A link to a folder (a web server's document folder) is followed: the
    // folder it names is replaced and the link stays.
    struct stat st {};
    bool vorhanden = ::stat(ziel.c_str(), &st) == 0;
    if (vorhanden) {
        if (char* echt = ::realpath(ziel.c_str(), nullptr)) {
            ziel = echt;
            std::free(echt);
        }
        if (!S_ISDIR(st.st_mode))
            scheitern(ziel, was, "Es gibt dort eine Datei dieses Namens, aber keinen Ordner.");
        int fehlernummer = 0;
        for (const std::string& name : eintraege(ziel, fehlernummer)) {
            struct stat e {};
            if (::lstat((ziel + "/" + name).c_str(), &e) != 0 || !S_ISREG(e.st_mode) || !hat_endung(name, endungen))
                scheitern(ziel, was, "Der Ordner enthält auch anderes („" + name
                                         + "“) und wird darum nicht ersetzt. Bitte einen leeren oder neuen Ordner wählen.");
        }
        if (fehlernummer != 0)
            scheitern_errno(ziel, was, fehlernummer);
    } else if (errno != ENOENT) {
        scheitern_errno(ziel, was, errno);
    }

    const std::string eltern = ordner_von(ziel);
    std::string vorlage = eltern + "/." + name_von(ziel) + ".neu-XXXXXX";
    if (::mkdtemp(vorlage.data()) == nullptr)
        scheitern_errno(ziel, was, errno);
    NeuerOrdner neu(vorlage);

    // Readable as any folder made here is (a web server reads it), or with
    // the old folder's permissions.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    const mode_t ordnermodus = vorhanden ? (st.st_mode & 07777) : (0777 & ~maske);
    if (::chmod(neu.pfad().c_str(), ordnermodus) != 0)
        scheitern_errno(ziel, was, errno);
    std::vector<int> fds;
    for (const Ausgabedatei& d : dateien) {
        int fd = -1;
        const int fehler = datei_schreiben(neu.pfad() + "/" + d.name, d.inhalt, 0666 & ~maske, fd);
        if (fd >= 0)
            fds.push_back(fd);
        if (fehler != 0) {
            dateien_syncen(fds);
            scheitern_errno(ziel, was, fehler);
        }
    }
    if (const int fehler = dateien_syncen(fds))
        scheitern_errno(ziel, was, fehler);
    ordner_syncen(neu.pfad());

    if (!vorhanden) {
        if (::rename(neu.pfad().c_str(), ziel.c_str()) != 0)
            scheitern_errno(ziel, was, errno);
        neu.freigeben();
    } else if (::renameat2(AT_FDCWD, neu.pfad().c_str(), AT_FDCWD, ziel.c_str(), RENAME_EXCHANGE) == 0) {
        // The old content now carries the new folder's name and goes.
    } else if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP) {
        // No exchange on this file system: the old folder is moved aside
        // and put back if the new one cannot take its place.
        std::string beiseite = eltern + "/." + name_von(ziel) + ".alt-XXXXXX";
        if (::mkdtemp(beiseite.data()) == nullptr)
            scheitern_errno(ziel, was, errno);
        if (::rename(ziel.c_str(), beiseite.c_str()) != 0) {
            const int fehler = errno;
            ::rmdir(beiseite.c_str());
            scheitern_errno(ziel, was, fehler);
        }
        if (::rename(neu.pfad().c_str(), ziel.c_str()) != 0) {
            const int fehler = errno;
            ::rename(beiseite.c_str(), ziel.c_str());
            scheitern_errno(ziel, was, fehler);
        }
        neu.umbenannt(beiseite);
    } else {
        scheitern_errno(ziel, was, errno);
    }
    ordner_syncen(eltern);
}

} // namespace orbela
