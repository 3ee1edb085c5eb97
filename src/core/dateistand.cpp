#include "core/dateistand.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbela {

std::optional<Dateistand> Dateistand::von(const std::string& pfad)
{
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<Dateistand> stand;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        Dateistand s;
        s.groesse = static_cast<std::uint64_t>(st.st_size);
        s.geaendert_ns = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        std::uint64_t h = 14695981039346656037ull;
        unsigned char puffer[65536];
        ssize_t n = 0;
        while ((n = ::read(fd, puffer, sizeof puffer)) > 0) {
            for (ssize_t i = 0; i < n; ++i)
                h = (h ^ puffer[i]) * 1099511628211ull;
        }
        s.pruefsumme = h;
        if (n == 0)
            stand = s;
    }
    ::close(fd);
    return stand;
}

std::string Dateistand::als_text() const
{
    return std::to_string(groesse) + "," + std::to_string(geaendert_ns) + "," + std::to_string(pruefsumme);
}

std::optional<Dateistand> Dateistand::aus_text(const std::string& text)
{
    Dateistand s;
    unsigned long long g = 0, p = 0;
    long long z = 0;
    int gelesen = 0;
    if (std::sscanf(text.c_str(), "%llu,%lld,%llu%n", &g, &z, &p, &gelesen) != 3
        || static_cast<std::size_t>(gelesen) != text.size())
        return std::nullopt;
    s.groesse = g;
    s.geaendert_ns = z;
    s.pruefsumme = p;
    return s;
}

} // namespace orbela
