#include <QApplication>

#include "ui/hauptfenster.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbela"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orbela"));
    orbela::Hauptfenster fenster;
    fenster.show();
    return QApplication::exec();
}
