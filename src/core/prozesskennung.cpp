#include "core/prozesskennung.h"

#include <cerrno>
#include <csignal>
#include <fstream>
#include <iterator>
#include <limits>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace orbela {

namespace {

std::string erste_zeile(const std::string& pfad)
{
    std::ifstream f(pfad);
    std::string zeile;
    std::getline(f, zeile);
    return zeile;
}

// Field 22 of /proc/<pid>/stat; the command name before it may hold
// blanks and parentheses, so counting starts after its last ')'. A
// process that has ended but not yet been collected by its parent (state
// 'Z') or is being torn down ('X') gives `beendet`.
std::uint64_t startzeit(long pid, bool* beendet = nullptr)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    const std::string text{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    const auto klammer = text.rfind(')');
    if (klammer == std::string::npos)
        return 0;
    std::istringstream felder(text.substr(klammer + 1));
    std::string feld;
    for (int i = 3; i <= 22 && felder >> feld; ++i) {
        if (i == 3 && beendet)
            *beendet = feld == "Z" || feld == "X";
        if (i == 22)
            return std::strtoull(feld.c_str(), nullptr, 10);
    }
    return 0;
}

std::string rechnername()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

// Computers cloned from one image, or set up with the installer's default,
// share a host name; the machine id tells them apart.
std::string maschinenkennung()
{
    const std::string id = erste_zeile("/etc/machine-id");
    return id.empty() ? "rechner:" + rechnername() : id;
}

} // namespace

Prozesskennung Prozesskennung::eigene()
{
    Prozesskennung k;
    k.rechner = rechnername();
    k.maschine = maschinenkennung();
    k.pid = static_cast<long>(::getpid());
    k.boot = erste_zeile("/proc/sys/kernel/random/boot_id");
    k.start = startzeit(k.pid);
    return k;
}

bool Prozesskennung::laeuft() const
{
    // Only this computer's processes can be looked at; a writer of unknown
    // computer (an older lock) is never judged by its process number.
    const Prozesskennung ich = eigene();
    if (maschine.empty() || maschine != ich.maschine)
        return true;
    if (!boot.empty() && !ich.boot.empty() && boot != ich.boot)
        return false;
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()
        || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
        return false;
    bool beendet = false;
    const std::uint64_t jetzt = startzeit(pid, &beendet);
    return !beendet && (start == 0 || jetzt == 0 || jetzt == start);
}

std::string Prozesskennung::als_zeilen() const
{
    return "rechner=" + rechner + "\nmaschine=" + maschine + "\npid=" + std::to_string(pid) + "\nboot=" + boot
        + "\nstart=" + std::to_string(start) + "\n";
}

std::optional<Prozesskennung> Prozesskennung::aus_zeilen(const std::map<std::string, std::string>& werte)
{
    const auto wert = [&](const char* name) -> const std::string* {
        const auto it = werte.find(name);
        return it == werte.end() ? nullptr : &it->second;
    };
    const std::string* rechner = wert("rechner");
    const std::string* pid = wert("pid");
    const std::string* boot = wert("boot");
    const std::string* start = wert("start");
    if (!rechner || !pid || !boot || !start)
        return std::nullopt;
    Prozesskennung k;
    k.rechner = *rechner;
    if (const std::string* maschine = wert("maschine"))
        k.maschine = *maschine;
    k.pid = std::strtol(pid->c_str(), nullptr, 10);
    k.boot = *boot;
    k.start = std::strtoull(start->c_str(), nullptr, 10);
    return k;
}

std::map<std::string, std::string> lies_zeilen(const std::string& text, std::size_t* rest)
{
    std::map<std::string, std::string> werte;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto ende = text.find('\n', pos);
        const std::string zeile = text.substr(pos, ende == std::string::npos ? std::string::npos : ende - pos);
        pos = ende == std::string::npos ? text.size() : ende + 1;
        if (zeile.empty())
            break;
        const auto gleich = zeile.find('=');
        if (gleich != std::string::npos)
            werte.emplace(zeile.substr(0, gleich), zeile.substr(gleich + 1));
    }
    if (rest)
        *rest = pos;
    return werte;
}

std::string benutzername()
{
    if (const passwd* pw = ::getpwuid(::geteuid())) {
        std::string voll = pw->pw_gecos ? pw->pw_gecos : "";
        voll = voll.substr(0, voll.find(','));
        if (!voll.empty())
            return voll;
        if (pw->pw_name && *pw->pw_name)
            return pw->pw_name;
    }
    const char* name = std::getenv("USER");
    return name ? name : "?";
}

} // namespace orbela
