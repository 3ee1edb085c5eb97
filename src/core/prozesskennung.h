#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace orbela {

// Which running program wrote a lock or a recovery copy: computer (its name
// to show, its machine id to tell it apart), process number, the boot it ran
// in and the process's start, so that a number the system has handed to a
// new process, or a start after a power cut, is not taken for the writer
// still running.
struct Prozesskennung {
    std::string rechner;      // the host name, as the user knows the computer
    std::string maschine;     // /etc/machine-id, else "rechner:" and the host name; empty: unknown
    long pid = 0;
    std::string boot;         // the kernel's id of the current boot; empty if unknown
    std::uint64_t start = 0;  // start of the process in clock ticks since boot; 0 if unknown

    // This program.
    static Prozesskennung eigene();

    bool operator==(const Prozesskennung&) const = default;
    // True unless it is known to have ended: on this computer and either of
    // an earlier boot, or no such process, or a process started at another
    // time. A process on another or an unknown computer counts as running,
    // also where its host name is this computer's.
    bool laeuft() const;

    // As "key=value" lines, and back; nothing when a line is missing.
    std::string als_zeilen() const;
    static std::optional<Prozesskennung> aus_zeilen(const std::map<std::string, std::string>& werte);
};

// The "key=value" lines of a small text file, up to the first empty line.
// `rest` (if given) receives the position after that empty line.
std::map<std::string, std::string> lies_zeilen(const std::string& text, std::size_t* rest = nullptr);

// The name of the user running the program: the full name the system
// holds, else the login name.
std::string benutzername();

} // namespace orbela
