#pragma once

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

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

// The model as at program start: every byte zero.
inline std::unique_ptr<orbela::plantyp> leerer_plan()
{
    auto p = std::make_unique<orbela::plantyp>();
    std::memset(static_cast<void*>(p.get()), 0, sizeof(orbela::plantyp));
    return p;
}

// The model after "Neu".
inline std::unique_ptr<orbela::plantyp> neuer_plan()
{
    auto p = std::make_unique<orbela::plantyp>();
    orbela::Lehrerliste liste;
    orbela::init_plan(*p, liste);
    return p;
}
