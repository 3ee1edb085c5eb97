#pragma once

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "core/fehler.h"
#include "core/init_plan.h"
#include "core/plantyp.h"

// Small helpers shared by the test programs.

inline std::string lies(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void schreibe(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f << inhalt;
}

// The German text of the error the call throws, "kein Fehler" if none.
inline std::string fehlertext(const std::function<void()>& f)
{
    try {
        f();
    } catch (const orbela::Fehler& e) {
        return e.text();
    }
    return "kein Fehler";
}

// Runs `f` in a child process as an unprivileged user, since root may
// write anywhere; true when it ran there and returned true.
inline bool ohne_rechte(const std::function<bool()>& f)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The model as at program start: every byte zero.
inline std::unique_ptr<orbela::plantyp> leerer_plan()
{
    auto p = std::make_unique<orbela::plantyp>();
    std::memset(static_cast<void*>(p.get()), 0, sizeof(orbela::plantyp));
    return p;
}

// Fills one cell of the plan: the first and the second lesson's teacher,
// subject and room.
inline void setze_zelle(orbela::plantyp& plan, int tag, int stunde, int klasse, const char* lehrer,
                        const char* fach = "", const char* raum = "", const char* lehrer2 = "",
                        const char* fach2 = "", const char* raum2 = "")
{
    orbela::zellentyp& z = plan.zelle(tag, stunde, klasse);
    z.erste.lehrer = lehrer;
    z.erste.fach = fach;
    z.erste.raum = raum;
    z.zweite.lehrer = lehrer2;
    z.zweite.fach = fach2;
    z.zweite.raum = raum2;
}

// The model after "Neu".
inline std::unique_ptr<orbela::plantyp> neuer_plan()
{
    auto p = std::make_unique<orbela::plantyp>();
    orbela::Lehrerliste liste;
    orbela::init_plan(*p, liste);
    return p;
}
