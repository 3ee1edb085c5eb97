#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "core/sitzung.h"
#include "core/vertretung/tagesvertretung.h"
#include "core/vertretung/vertretungswoche.h"
#include "ui/dialoge.h"
#include "ui/drucken/druckdienst.h"

class QCheckBox;
class QDate;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QTimer;
class QTreeWidget;

namespace orbela {

struct Seitentag;

// "Vertretungen des Tages": what changes on one school day across every
// absence of the week's folder of substitution plans. Lists each absent
// teacher's lessons of the day with how they are settled, counts the open
// ones, prints the notice-board list ("Aushang") and the staff-room list
// ("Lehrerzimmer") and writes the page for a screen in the entrance. Not
// modal: it follows the folder (a plan saved there by anyone), the plan and
// the substitution window's unsaved assignments while it is open.
class TagesvertretungFenster : public QDialog {
    Q_OBJECT
public:
    // Printouts go to `druckdienst` (none: nothing is printed).
    TagesvertretungFenster(Sitzung& sitzung, Dialoge& dialoge, Druckdienst* druckdienst, QWidget* parent = nullptr);
    ~TagesvertretungFenster() override;

    // Shows the week of this folder (a local path); an empty name keeps the
    // folder shown.
    void woche_zeigen(const std::string& ordner);
    void datum_setzen(const QDate& datum);

    const Tagesvertretung& liste() const { return tv_; }
    const std::string& ordner() const { return ordner_; }

public slots:
    // Reads the folder again and rebuilds the list (and the page, when it
    // is to follow every change).
    void aktualisieren();

private:
    void baue_fenster();
    void ordner_waehlen();
    void liste_zeigen();
    // Rebuilds once the current burst of file changes is over.
    void bald_aktualisieren();
    void ordner_beobachten();
    // Name, size and time of each plan of the folder.
    QStringList ordnerstand() const;
    int plan_tag() const;
    QString tag_text() const;
    QString stand_text() const;
    void aushang(Druckziel ziel);
    void lehrerzimmer(Druckziel ziel);
    void drucken(const QString& ausdruck, const std::function<void(Druckauftrag&)>& druck, Druckziel ziel);
    void als_webseite();
    // Writes the page of the day and the next school day; unless
    // `erzwingen`, only when its lists changed since it was last written.
    void webseite_schreiben(bool erzwingen);
    Seitentag seitentag(const QDate& datum, bool naechste_woche) const;
    // The names of the teachers on the cards, read anew when the window is
    // opened and before the staff-room list is printed.
    void namen_lesen();
    std::string lehrername(std::string_view code) const;
    // The session's substitution plan while it has unsaved assignments
    // and belongs to the folder shown: it stands in for the folder's file
    // of its absent teacher.
    const Vertretungsplan* stellvertreter() const;

    Sitzung& sitzung_;
    Dialoge& dialoge_;
    Druckdienst* druckdienst_;
    std::string ordner_;
    Vertretungswoche woche_;
    Tagesvertretung tv_;
    QString webseite_; // the page's file once written or chosen
    QString geschriebene_datei_;
    std::string geschriebene_seite_; // as last written, without its time
    int beobachter_ = 0;
    int vertretungsbeobachter_ = 0;
    std::map<std::string, std::string> namen_; // code -> name from the cards
    QStringList ordnerstand_; // the folder when it was last read

    QLabel* ordner_feld_ = nullptr;
    QDateEdit* datum_ = nullptr;
    QLabel* ueberschrift_ = nullptr;
    QLabel* abwesend_ = nullptr;
    QLabel* eingesetzt_ = nullptr;
    QLabel* unlesbar_ = nullptr;
    QTreeWidget* tabelle_ = nullptr;
    QCheckBox* webseite_folgt_ = nullptr;
    QLabel* webseite_stand_ = nullptr;
    QFileSystemWatcher* waechter_ = nullptr;
    QTimer* verzoegerung_ = nullptr;
};

} // namespace orbela
