#include <QApplication>

#include "core/sitzung.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orbela::richte_anwendung_ein(app);
    orbela::Sitzung sitzung;
    orbela::Hauptfenster fenster(sitzung);
    fenster.show();
    return QApplication::exec();
}
