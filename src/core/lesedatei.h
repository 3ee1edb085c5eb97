#pragma once

#include <cstddef>
#include <fcntl.h>
#include <string>

namespace orbela {

// A file opened for reading by a loader. Anything that is not an ordinary
// file - a folder, a pipe, a device - is refused with a clear message before
// a byte is read, so a pipe without a writer cannot hang the program and a
// device cannot be read without end. Every loader opens its file this way.
class Lesedatei {
public:
    // `modus` is O_RDONLY, or O_RDWR for files that must be writable too.
    // Throws Fehler when the file cannot be opened or is no ordinary file.
    explicit Lesedatei(const std::string& dateiname, int modus = O_RDONLY);
    ~Lesedatei();
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;

    // The size of the file when it was opened, and its permission bits.
    std::size_t groesse() const { return groesse_; }
    unsigned rechte() const { return rechte_; }

    // Fills the buffer as far as the file allows; returns the bytes read,
    // fewer than asked only at the end of the file.
    std::size_t lies(unsigned char* ziel, std::size_t anzahl);

private:
    int fd_ = -1;
    std::size_t groesse_ = 0;
    unsigned rechte_ = 0;
};

} // namespace orbela
