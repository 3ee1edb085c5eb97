#include "ui/anwendung.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbela {

void richte_anwendung_ein(QApplication& app)
{
    // No display name: on X11 Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Orbela"));
    // The program speaks German whatever the system's language. Without the
    // translation file Qt's dialogs stay English; the program's own message
    // boxes name their buttons themselves.
    auto* qt_texte = new QTranslator(&app);
    if (qt_texte->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt_texte);
    // Under a C or POSIX locale Qt's dialogs would name things in English
    // (the file dialog's "unknown" file type).
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

} // namespace orbela
