#include "ui/vertretung/vertretungszettel_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbela {

VertretungszettelDialog::VertretungszettelDialog(const QString& text, std::function<void(Druckziel)> drucken,
                                                 QWidget* parent)
    : ZentrierterDialog(parent)
    , drucken_(std::move(drucken))
{
    setWindowTitle(QStringLiteral("Vertretungszettel"));
    auto* layout = new QVBoxLayout(this);
    textfeld = new QPlainTextEdit(text, this);
    textfeld->setReadOnly(true);
    textfeld->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(textfeld);

    auto* knoepfe = new QDialogButtonBox(this);
    kopierknopf = knoepfe->addButton(QStringLiteral("Kopieren"), QDialogButtonBox::ActionRole);
    druckknoepfe = druckknoepfe_anlegen(*knoepfe, [this](Druckziel ziel) {
        if (drucken_)
            drucken_(ziel);
    });
    QPushButton* schliessen = knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    layout->addWidget(knoepfe);
    connect(kopierknopf, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(textfeld->toPlainText()); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 360);
}

} // namespace orbela
