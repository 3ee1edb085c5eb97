#include "ui/plan_seite.h"

#include <QCheckBox>
#include <QToolButton>

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

PlanSeite::PlanSeite(QWidget* parent)
    : QWidget(parent)
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

    bitBtn2_ = new FokusKnopf(QStringLiteral("nächste Stunde"), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn2_->setGeometry(32, 136, 121, 25);
    bitBtn2_->setToolTip(QStringLiteral("zur nächsten Stunde"));
    bitBtn2_->setAutoDefault(false);

    speedButton1_ = new QToolButton(this);
    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setGeometry(152, 136, 25, 25);
    speedButton1_->setText(QStringLiteral("↓"));
    speedButton1_->setToolTip(QStringLiteral("für nächste Stunde übernehmen"));
    speedButton1_->setFocusPolicy(Qt::NoFocus);

    for (int n = 1; n < 6; ++n)
        setTabOrder(edit(n), edit(n + 1));
    setTabOrder(edit(6), bitBtn2_);
}

} // namespace orbela
