#include "core/plansperre.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "core/fehler.h"
#include "core/sichere_datei.h"

namespace orbela {

namespace {

std::string als_text(const Sperrinhaber& s)
{
    return "Orbela-Sperre\nbenutzer=" + s.benutzer + "\nseit=" + std::to_string(s.seit) + "\n"
        + s.prozess.als_zeilen();
}

// The holder named in a lock file; a file that cannot be read as one (being
// written this moment, or damaged) names nobody but still counts as held,
// since when its time says.
std::optional<Sperrinhaber> lies_sperre(const std::string& pfad)
{
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::string text;
    char puffer[4096];
    ssize_t n = 0;
    while (text.size() < 65536 && (n = ::read(fd, puffer, sizeof puffer)) > 0)
        text.append(puffer, static_cast<std::size_t>(n));
    struct stat st {};
    const bool mit_zeit = ::fstat(fd, &st) == 0;
    ::close(fd);

    Sperrinhaber s;
    const auto werte = lies_zeilen(text);
    const auto prozess = Prozesskennung::aus_zeilen(werte);
    const auto benutzer = werte.find("benutzer");
    const auto seit = werte.find("seit");
    if (prozess && benutzer != werte.end() && seit != werte.end()) {
        s.prozess = *prozess;
        s.benutzer = benutzer->second;
        s.seit = std::strtoll(seit->second.c_str(), nullptr, 10);
    } else {
        s.benutzer = "unbekannt";
        s.lesbar = false;
        s.seit = mit_zeit ? static_cast<std::int64_t>(st.st_mtime) : 0;
    }
    return s;
}

bool schreibe_neu(const std::string& pfad, const std::string& text)
{
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        const ssize_t n = ::write(fd, text.data() + geschrieben, text.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            ::unlink(pfad.c_str());
            errno = EIO;
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return true;
}

} // namespace

Plansperre::Plansperre(Plansperre&& andere) noexcept
    : datei_(std::exchange(andere.datei_, {}))
    , ich_(std::move(andere.ich_))
    , inhaber_(std::move(andere.inhaber_))
{
}

Plansperre& Plansperre::operator=(Plansperre&& andere) noexcept
{
    if (this != &andere) {
        freigeben();
        datei_ = std::exchange(andere.datei_, {});
        ich_ = std::move(andere.ich_);
        inhaber_ = std::move(andere.inhaber_);
    }
    return *this;
}

Plansperre::Ergebnis Plansperre::nehmen(const std::string& plan, bool trotzdem)
{
    const std::string pfad = sperrdatei(plan);
    if (datei_ == pfad)
        return Ergebnis::genommen;
    freigeben();
    ich_ = {benutzername(), Prozesskennung::eigene(), static_cast<std::int64_t>(std::time(nullptr))};
    const std::string text = als_text(ich_);
    // A stale lock is removed and the lock made anew; three rounds are
    // enough for another program racing us for it.
    for (int runde = 0; runde < 3; ++runde) {
        if (schreibe_neu(pfad, text)) {
            datei_ = pfad;
            return Ergebnis::genommen;
        }
        if (errno != EEXIST)
            return Ergebnis::ohne_sperre;
        const std::optional<Sperrinhaber> da = lies_sperre(pfad);
        if (!da)
            continue; // gone meanwhile
        if (da->prozess == ich_.prozess) {
            datei_ = pfad;
            return Ergebnis::genommen;
        }
        if (da->lesbar && !da->prozess.laeuft()) {
            if (::unlink(pfad.c_str()) != 0 && errno != ENOENT)
                return Ergebnis::ohne_sperre;
            continue;
        }
        if (trotzdem) {
            try {
                schreibe_datei_sicher(pfad, text);
            } catch (const Fehler&) {
                return Ergebnis::ohne_sperre;
            }
            datei_ = pfad;
            return Ergebnis::genommen;
        }
        inhaber_ = *da;
        return Ergebnis::belegt;
    }
    return Ergebnis::ohne_sperre;
}

void Plansperre::freigeben()
{
    if (datei_.empty())
        return;
    const std::optional<Sperrinhaber> da = lies_sperre(datei_);
    if (da && da->prozess == ich_.prozess)
        ::unlink(datei_.c_str());
    datei_.clear();
}

} // namespace orbela
