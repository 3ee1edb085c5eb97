#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "core/dateistand.h"
#include "core/wiederherstellung.h"

namespace orbela {

class Sitzung;
class Vertretungsdokument;

// Keeps the recovery copy of one document while it has unsaved changes, off
// the keystroke path: a change only starts a timer, and when it runs out a
// few seconds later the copy is written with every change made meanwhile.
// A saved, new or loaded document and the program's normal end remove it.
class Sicherungswache : public QObject {
    Q_OBJECT
public:
    struct Inhalt {
        std::string bytes;
        std::string dateiname;
        std::optional<Dateistand> stand;
    };
    static constexpr int standard_verzoegerung_ms = 3000;

    Sicherungswache(std::string art, std::size_t groesse, std::function<Inhalt()> inhalt,
                    QObject* parent = nullptr, int verzoegerung_ms = standard_verzoegerung_ms);

    // The document has unsaved changes.
    void geaendert();
    // The document holds nothing unsaved any more.
    void gesichert();

signals:
    // A copy could not be written: the message for the user, given once per
    // run for all copies together (a full or read-only disk stays so).
    void schreibenGescheitert(const QString& meldung);

private:
    void schreiben();

    Wiederherstellung ablage_;
    std::function<Inhalt()> inhalt_;
    QTimer zeitgeber_;
};

// The recovery copy of the session's plan: follows its changed-mark.
class Plansicherung {
public:
    explicit Plansicherung(Sitzung& sitzung, int verzoegerung_ms = Sicherungswache::standard_verzoegerung_ms);
    ~Plansicherung();
    Plansicherung(const Plansicherung&) = delete;
    Plansicherung& operator=(const Plansicherung&) = delete;

    Sicherungswache& wache() { return wache_; }

private:
    Sitzung& sitzung_;
    Sicherungswache wache_;
    int zuhoerer_ = 0;
};

// The recovery copy of the substitution plan: follows its changed-mark.
class Vertretungssicherung {
public:
    explicit Vertretungssicherung(Vertretungsdokument& dokument,
                                  int verzoegerung_ms = Sicherungswache::standard_verzoegerung_ms);
    ~Vertretungssicherung();
    Vertretungssicherung(const Vertretungssicherung&) = delete;
    Vertretungssicherung& operator=(const Vertretungssicherung&) = delete;

private:
    Vertretungsdokument& dokument_;
    Sicherungswache wache_;
    int zuhoerer_ = 0;
};

} // namespace orbela
