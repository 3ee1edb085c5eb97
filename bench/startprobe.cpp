// The program's start as src/app/main.cpp does it, ending as soon as the
// main window has been painted for the first time: then it writes one line
// to stdout and quits. The start benchmark times it from outside.

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "core/sitzung.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"

namespace {

// Quits once the first paint of the window has finished.
class ErstesBild final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            // Runs after the whole window has been painted and flushed.
            QTimer::singleShot(0, [] {
                std::puts("gemalt");
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool gemalt_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orbela::richte_anwendung_ein(app);
    ErstesBild erstes_bild;
    app.installEventFilter(&erstes_bild);
    orbela::Sitzung sitzung;
    orbela::Hauptfenster fenster(sitzung);
    fenster.show();
    if (argc == 2)
        fenster.plan_oeffnen(argv[1]);
    return QApplication::exec();
}
