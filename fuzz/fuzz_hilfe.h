#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>

#include "core/prozesskennung.h"

// What the harnesses share: a scratch folder for the files they load and
// save, and a check that stops the run with a message when a property that
// must hold does not.
namespace fuzz {

// Stops the fuzzer, which then keeps the input as a finding.
inline void pruefe(bool gilt, const char* was)
{
    if (!gilt) {
        std::fprintf(stderr, "Verletzt: %s\n", was);
        std::abort();
    }
}

// A folder of this process in memory (/dev/shm, else the temporary folder),
// where saving and syncing cost little; emptied on request, removed at exit.
class Arbeitsordner {
public:
    Arbeitsordner()
        : pfad_((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                            : std::filesystem::temp_directory_path())
                / ("orbela-fuzz-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(pfad_);
    }
    ~Arbeitsordner()
    {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }

    // The folder with a trailing '/', as the program folder is given.
    std::string ordner() const { return pfad_.string() + "/"; }
    std::string pfad(std::string_view name) const { return (pfad_ / name).string(); }

    void leeren() const
    {
        for (const auto& e : std::filesystem::directory_iterator(pfad_))
            std::filesystem::remove_all(e.path());
    }

    void schreibe(std::string_view name, const std::uint8_t* daten, std::size_t groesse) const
    {
        std::ofstream f(pfad(name), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
        pruefe(f.good(), "Eingabe geschrieben");
    }

    std::string lies(std::string_view name) const
    {
        std::ifstream f(pfad(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path pfad_;
};

// One folder for the whole run.
inline const Arbeitsordner& arbeitsordner()
{
    static const Arbeitsordner ordner;
    return ordner;
}

// The input read from the front, then zeros once it is used up.
class Leser {
public:
    Leser(const std::uint8_t* daten, std::size_t groesse)
        : daten_(daten)
        , groesse_(groesse)
    {
    }
    std::uint8_t byte() { return pos_ < groesse_ ? daten_[pos_++] : 0; }
    // Copies n bytes into the object's memory, zero-filled past the end.
    void kopiere(void* ziel, std::size_t n)
    {
        auto* z = static_cast<std::uint8_t*>(ziel);
        for (std::size_t i = 0; i < n; ++i)
            z[i] = byte();
    }
    std::size_t rest() const { return groesse_ - pos_; }

private:
    const std::uint8_t* daten_;
    std::size_t groesse_;
    std::size_t pos_ = 0;
};

// A lock or recovery copy of the input with "maschine=*" and "boot=*"
// standing for this computer's, so that its process test is reached.
inline std::string mit_eigenen_werten(std::string text)
{
    static const orbela::Prozesskennung ich = orbela::Prozesskennung::eigene();
    using Ersetzung = std::pair<std::string, std::string>;
    for (const auto& [platzhalter, wert] :
         {Ersetzung{"maschine=*", "maschine=" + ich.maschine}, Ersetzung{"boot=*", "boot=" + ich.boot}}) {
        for (std::size_t pos = text.find(platzhalter); pos != std::string::npos;
             pos = text.find(platzhalter, pos + wert.size()))
            text.replace(pos, platzhalter.size(), wert);
    }
    return text;
}

} // namespace fuzz
