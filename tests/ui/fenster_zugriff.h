#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <functional>
#include <memory>
#include <string>

#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckdienst.h"

// The main window's widgets as its user sees them, found by name under the
// menu bar, the central widget or the status bar.
namespace fenster_zugriff {

enum class Seite { plan = 0, klassen = 1, stunden = 2, leer = 3 };

template <typename T = orbela::CodeFeld>
T* kind(QMainWindow& w, const QString& name)
{
    return w.centralWidget()->findChild<T*>(name);
}

inline QAction* aktion(QMainWindow& w, const char* name)
{
    return w.menuBar()->findChild<QAction*>(QString::fromLatin1(name));
}

inline Seite seite(QMainWindow& w)
{
    return static_cast<Seite>(kind<QStackedWidget>(w, QStringLiteral("Notebook1"))->currentIndex());
}

inline QString statuszeile(QMainWindow& w, int panel)
{
    return w.statusBar()->findChild<QLabel*>(QStringLiteral("Panel%1").arg(panel))->text();
}

inline orbela::BildWidget* bild(QMainWindow& w, int n)
{
    return kind<orbela::BildWidget>(w, QStringLiteral("Image%1").arg(n));
}

// Where a window's print jobs go in tests: PDF files only, never a printer.
inline std::unique_ptr<orbela::Druckausgabe> nur_pdf(const std::string& programmpfad)
{
    auto ausgabe = std::make_unique<orbela::Druckausgabe>(programmpfad);
    ausgabe->nur_pdf(true);
    return ausgabe;
}

// A print service that hands every command to a function.
struct Druckfunktion : orbela::Druckdienst {
    std::function<void(const orbela::Druckbefehl& befehl, orbela::Druckziel ziel)> funktion;
    QString drucke(const orbela::Druckbefehl& befehl, orbela::Druckziel ziel) override
    {
        funktion(befehl, ziel);
        return {};
    }
};

} // namespace fenster_zugriff
