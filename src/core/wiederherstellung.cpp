#include "core/wiederherstellung.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

#include "core/fehler.h"
#include "core/sichere_datei.h"
#include "core/lesedatei.h"

namespace orbela {

namespace {

constexpr std::string_view kopfzeile = "Orbela-Sicherung";
constexpr std::string_view endung = ".sicherung";

// File names may hold any byte but NUL; the header keeps one per line.
std::string maskiert(const std::string& text)
{
    std::string aus;
    for (char c : text) {
        if (c == '%' || c == '\n' || c == '\r') {
            static const char ziffern[] = "0123456789ABCDEF";
            aus += '%';
            aus += ziffern[static_cast<unsigned char>(c) >> 4];
            aus += ziffern[static_cast<unsigned char>(c) & 15];
        } else {
            aus += c;
        }
    }
    return aus;
}

std::string unmaskiert(const std::string& text)
{
    std::string aus;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            aus += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            aus += text[i];
        }
    }
    return aus;
}

std::optional<Sicherung> lies_sicherung(const std::string& pfad, std::size_t groesse, Prozesskennung* prozess)
{
    std::string text;
    try {
        Lesedatei datei(pfad);
        if (datei.groesse() > groesse + 65536)
            return std::nullopt;
        text.resize(datei.groesse());
        text.resize(datei.lies(reinterpret_cast<unsigned char*>(text.data()), text.size()));
    } catch (const Fehler&) {
        return std::nullopt;
    }
    if (!text.starts_with(kopfzeile))
        return std::nullopt;
    std::size_t rest = 0;
    const auto werte = lies_zeilen(text, &rest);
    const auto k = Prozesskennung::aus_zeilen(werte);
    const auto datei = werte.find("datei");
    const auto zeit = werte.find("zeit");
    if (!k || datei == werte.end() || zeit == werte.end() || text.size() - rest != groesse)
        return std::nullopt;
    Sicherung s;
    s.pfad = pfad;
    s.inhalt = text.substr(rest);
    s.dateiname = unmaskiert(datei->second);
    s.zeit = std::strtoll(zeit->second.c_str(), nullptr, 10);
    if (const auto stand = werte.find("stand"); stand != werte.end())
        s.stand = Dateistand::aus_text(stand->second);
    *prozess = *k;
    return s;
}

} // namespace

Wiederherstellung::Wiederherstellung(std::string ordner, std::string art, std::size_t groesse)
    : ordner_(std::move(ordner))
    , art_(std::move(art))
    , groesse_(groesse)
    , ich_(Prozesskennung::eigene())
{
    datei_ = ordner_ + "/" + art_ + "-" + ich_.boot.substr(0, 8) + "-" + std::to_string(ich_.pid) + "-"
        + std::to_string(ich_.start) + std::string(endung);
}

std::string Wiederherstellung::standardordner()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && *state == '/')
        return std::string(state) + "/orbela";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/orbela";
}

void Wiederherstellung::sichern(std::string_view inhalt, const std::string& dateiname,
                                const std::optional<Dateistand>& stand)
{
    std::error_code ec;
    // The copies are the user's own: a new folder is for the user alone.
    if (std::filesystem::create_directories(ordner_, ec))
        ::chmod(ordner_.c_str(), 0700);
    if (ec)
        throw Fehler::aus_errno(ec.value());
    std::string text = std::string(kopfzeile) + "\ndatei=" + maskiert(dateiname)
        + "\nzeit=" + std::to_string(static_cast<long long>(std::time(nullptr))) + "\n" + ich_.als_zeilen();
    if (stand)
        text += "stand=" + stand->als_text() + "\n";
    text += "\n";
    text += inhalt;
    schreibe_datei_sicher(datei_, text);
}

void Wiederherstellung::entfernen()
{
    std::error_code ec;
    std::filesystem::remove(datei_, ec);
}

std::vector<Sicherung> Wiederherstellung::verwaiste() const
{
    std::vector<Sicherung> gefunden;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(ordner_, ec)) {
        const std::string name = e.path().filename().string();
        if (!name.starts_with(art_ + "-") || !name.ends_with(endung) || e.path().string() == datei_)
            continue;
        Prozesskennung prozess;
        std::optional<Sicherung> s = lies_sicherung(e.path().string(), groesse_, &prozess);
        if (s && prozess != ich_ && !prozess.laeuft())
            gefunden.push_back(std::move(*s));
    }
    std::sort(gefunden.begin(), gefunden.end(), [](const Sicherung& a, const Sicherung& b) {
        return a.zeit != b.zeit ? a.zeit > b.zeit : a.pfad < b.pfad;
    });
    return gefunden;
}

void Wiederherstellung::entfernen(const Sicherung& sicherung)
{
    std::error_code ec;
    std::filesystem::remove(sicherung.pfad, ec);
}

void Wiederherstellung::uebernehmen(const Sicherung& sicherung)
{
    // A copy this program has written since is newer than the one restored.
    std::error_code ec;
    if (std::filesystem::exists(datei_, ec)) {
        std::filesystem::remove(sicherung.pfad, ec);
        return;
    }
    std::filesystem::rename(sicherung.pfad, datei_, ec);
    if (ec)
        std::filesystem::remove(sicherung.pfad, ec);
}

} // namespace orbela
