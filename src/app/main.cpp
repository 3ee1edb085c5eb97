#include <QApplication>

#include "core/sitzung.h"
#include "ui/hauptfenster.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbela"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orbela"));
    orbela::Sitzung sitzung;
    orbela::Hauptfenster fenster(sitzung);
    fenster.show();
    return QApplication::exec();
}
