// Takes the README's picture of the main window: starts Orbela in the
// folder of the demo school, loads the demo plan, selects a cell with a
// conflict and saves the window as a PNG file.
//
//   bildschirmfoto DEMO_ORDNER ZIEL.png

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTabBar>
#include <QtTest/QTest>
#include <cstdio>

#include "ui/bild_widget.h"
#include "ui/dialoge.h"
#include "ui/hauptfenster.h"

namespace {

// Answers the open dialog with the demo plan and reports errors.
class DemoDialoge final : public orbela::Dialoge {
public:
    explicit DemoDialoge(QString plan)
        : plan_(std::move(plan))
    {
    }
    bool frage(const QString&) override { return false; }
    orbela::Antwort frage_mit_abbrechen(const QString&) override { return orbela::Antwort::nein; }
    void hinweis(const QString&) override {}
    void fehler(const QString& text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        fehler_ = true;
    }
    std::optional<QString> datei_oeffnen(const QString&) override { return plan_; }
    std::optional<QString> datei_speichern(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool modal(QDialog&) override { return false; }
    bool fehler_gemeldet() const { return fehler_; }

private:
    QString plan_;
    bool fehler_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bildschirmfoto DEMO_ORDNER ZIEL.png\n");
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QDir::setCurrent(ordner);

    auto dialoge = std::make_unique<DemoDialoge>(QDir(ordner).absoluteFilePath(QStringLiteral("Beispielschule.orb")));
    DemoDialoge& antworten = *dialoge;
    orbela::Sitzung sitzung;
    orbela::Hauptfenster fenster(sitzung, std::move(dialoge));
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster))
        return 1;

    fenster.menue().Planladen1->trigger();
    fenster.tabControl1()->setCurrentIndex(3); // Donnerstag
    // Lesson 3 of class column 6, where one teacher stands in two classes.
    QTest::mouseClick(fenster.bild(1), Qt::LeftButton, {}, QPoint(6 * 50 + 12, 3 * 75 + 37));
    QTest::qWait(50);
    if (antworten.fehler_gemeldet())
        return 1;
    if (!fenster.grab().save(ziel))
        return 1;
    std::printf("%s\n", qPrintable(ziel));
    return 0;
}
