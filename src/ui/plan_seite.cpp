#include "ui/plan_seite.h"

#include <QCheckBox>
#include <QToolButton>

#include "canvas/qt_text_1252.h"
#include "core/sitzung.h"
#include "ui/befehlslauf.h"
#include "ui/codefeld.h"
#include "ui/fokus_knopf.h"

namespace orbela {

namespace {
struct FeldLage {
    const char* hinweis;
    int x;
    int y;
};
constexpr std::array<FeldLage, 6> felder = {{
    {"Lehrer", 32, 6},
    {"Fach", 32, 48},
    {"Raum", 32, 88},
    {"ggf. 2.Lehrer", 96, 6},
    {"ggf. 2.Fach", 96, 46},
    {"ggf. 2.Raum", 96, 88},
}};
constexpr std::array<QPoint, 6> haken = {
    QPoint(8, 13), QPoint(8, 53), QPoint(8, 93), QPoint(160, 13), QPoint(160, 53), QPoint(160, 93),
};
} // namespace


PlanSeite::PlanSeite(Sitzung& sitzung, Befehlslauf& lauf, QWidget* parent)
    : QWidget(parent)
    , sitzung_(sitzung)
    , lauf_(lauf)
{
    for (int n = 1; n <= 6; ++n) {
        const FeldLage& lage = felder[static_cast<std::size_t>(n - 1)];
        const QByteArray name = QStringLiteral("edit%1").arg(n).toUtf8();
        CodeFeld* e = code_feld(this, name.constData(), QString::fromUtf8(lage.hinweis), 2,
                                QRect(lage.x, lage.y, 57, 31));
        e->setFont(feld_schrift());
        edits_[static_cast<std::size_t>(n)] = e;

        auto* c = new QCheckBox(this);
        c->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        c->setGeometry(QRect(haken[static_cast<std::size_t>(n - 1)], QSize(17, 17)));
        c->setChecked(true);
        c->setFocusPolicy(Qt::ClickFocus);
        c->setToolTip(QStringLiteral("Mit Tab erreichbar"));
        checks_[static_cast<std::size_t>(n)] = c;
    }

    naechste_stunde_knopf_ = new FokusKnopf(QStringLiteral("nächste Stunde"), this);
    naechste_stunde_knopf_->setObjectName(QStringLiteral("BitBtn2"));
    naechste_stunde_knopf_->setGeometry(32, 136, 121, 25);
    naechste_stunde_knopf_->setToolTip(QStringLiteral("zur nächsten Stunde"));
    naechste_stunde_knopf_->setAutoDefault(false);

    uebernehmen_knopf_ = new QToolButton(this);
    uebernehmen_knopf_->setObjectName(QStringLiteral("SpeedButton1"));
    uebernehmen_knopf_->setGeometry(152, 136, 25, 25);
    uebernehmen_knopf_->setText(QStringLiteral("↓"));
    uebernehmen_knopf_->setToolTip(QStringLiteral("für nächste Stunde übernehmen"));
    uebernehmen_knopf_->setFocusPolicy(Qt::NoFocus);

    for (int n = 1; n < 6; ++n)
        setTabOrder(edit(n), edit(n + 1));
    setTabOrder(edit(6), naechste_stunde_knopf_);

    for (int n = 1; n <= 6; ++n) {
        connect(edit(n), &QLineEdit::textChanged, this, [this, n] { lauf_([&] { zellenfeld_geaendert(n); }); });
        connect(checks_[static_cast<std::size_t>(n)], &QCheckBox::clicked, this,
                [this, n] { lauf_([&] { tabstopp_setzen(n); }); });
    }
    connect(naechste_stunde_knopf_, &FokusKnopf::fokusErhalten, this, [this] { lauf_([this] { zur_naechsten_stunde_springen(); }); });
    connect(uebernehmen_knopf_, &QToolButton::clicked, this, [this] { lauf_([this] { fuer_naechste_stunde_uebernehmen(); }); });
}

namespace {
constexpr Codefeld codefeld(int n)
{
    return static_cast<Codefeld>(n - 1);
}

// The code of the cell that edit n (1..6) shows.
QString code_text(const zellentyp& z, int n)
{
    const belegungtyp& b = n <= 3 ? z.erste : z.zweite;
    const PString<4>& code = (n - 1) % 3 == 0 ? b.lehrer : (n - 1) % 3 == 1 ? b.fach : b.raum;
    return qstring_aus_1252(code.view());
}
} // namespace

void PlanSeite::zeige_zelle()
{
    const Auswahl& a = sitzung_.auswahl();
    for (int n = 1; n <= 6; ++n) {
        const zellentyp& z = sitzung_.plan().zelle(a.akt_tag, a.akt_stunde, a.akt_klasse);
        setze_feldtext(*edit(n), code_text(z, n), [this, n] { zellenfeld_geaendert(n); });
    }
}

bool PlanSeite::fokus_rechts() const
{
    return edit(4)->hasFocus() || edit(5)->hasFocus() || edit(6)->hasFocus();
}

void PlanSeite::zellenfeld_geaendert(int n)
{
    const Auswahl& a = sitzung_.auswahl();
    if (a.ist_zelle())
        sitzung_.dokument().setze_code({a.akt_tag, a.akt_stunde, a.akt_klasse}, codefeld(n),
                                       text_1252_aus_qstring(edit(n)->text()));
}

void PlanSeite::tabstopp_setzen(int n)
{
    edit(n)->setFocusPolicy(checks_[static_cast<std::size_t>(n)]->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

CodeFeld* PlanSeite::fokus_auf_erstes_feld()
{
    CodeFeld* ziel = edit(1);
    for (int n = 1; n <= 6; ++n) {
        if (checks_[static_cast<std::size_t>(n)]->isChecked()) {
            ziel = edit(n);
            break;
        }
    }
    ziel->setFocus(Qt::TabFocusReason);
    return ziel;
}

void PlanSeite::zur_naechsten_stunde_springen()
{
    // This page, and so this button, is only shown while a cell is selected.
    if (!sitzung_.auswahl().ist_zelle()) {
        edit(1)->setFocus();
        return;
    }
    // The focus leaves the button first: an error shown below must not find
    // it there when the window becomes active again.
    CodeFeld* ziel = fokus_auf_erstes_feld();
    emit naechsteStunde();
    zeige_zelle();
    ziel->selectAll(); // typing replaces the code, as after Tab
}

void PlanSeite::fuer_naechste_stunde_uebernehmen()
{
    if (!sitzung_.auswahl().ist_zelle())
        return;
    // One step of its own: typing into the new cell afterwards is another.
    const Dokument::Schritt befehl(sitzung_.dokument(), Dokument::Schritt::Art::befehl);
    emit naechsteStunde();
    fokus_auf_erstes_feld();
    // The texts of the cell left behind are written into the new cell.
    for (int n = 1; n <= 6; ++n)
        zellenfeld_geaendert(n);
}

} // namespace orbela
