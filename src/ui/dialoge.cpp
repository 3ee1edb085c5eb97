#include "ui/dialoge.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>

namespace orbela {

namespace {

// The file dialogs' size for the rest of the run: at first one that shows
// name, size, type and date whole, then the one the user last chose.
QSize& dateidialog_groesse()
{
    static QSize groesse(900, 560);
    return groesse;
}

// Runs a file dialog at that size (within the screen), its columns after
// the name as wide as their contents; true when a file was chosen.
bool dateidialog_zeigen(QFileDialog& dialog)
{
    QSize groesse = dateidialog_groesse();
    if (const QScreen* schirm = dialog.screen())
        groesse = groesse.boundedTo(schirm->availableSize());
    dialog.resize(groesse);
    if (auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int spalte = 1; spalte < kopf->count(); ++spalte)
            kopf->setSectionResizeMode(spalte, QHeaderView::ResizeToContents);
    }
    const bool gewaehlt = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    dateidialog_groesse() = dialog.size();
    return gewaehlt;
}

} // namespace

bool QtDialoge::frage(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, eltern_);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(nein);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

Antwort QtDialoge::frage_mit_abbrechen(const QString& text)
{
    return wahl(text, QStringLiteral("Ja"), QStringLiteral("Nein"));
}

Antwort QtDialoge::wahl(const QString& text, const QString& erster, const QString& zweiter)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, eltern_);
    QPushButton* ja = box.addButton(erster, QMessageBox::YesRole);
    QPushButton* nein = box.addButton(zweiter, QMessageBox::NoRole);
    QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (box.clickedButton() == ja)
        return Antwort::ja;
    return box.clickedButton() == nein ? Antwort::nein : Antwort::abbrechen;
}

void QtDialoge::hinweis(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, eltern_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void QtDialoge::fehler(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, eltern_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

std::optional<QString> QtDialoge::datei_oeffnen(const QString& filter)
{
    QFileDialog dialog(eltern_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (!dateidialog_zeigen(dialog))
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialoge::datei_speichern(const QString& filter, const QString& endung,
                                                  const QString& vorschlag)
{
    QFileDialog dialog(eltern_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(endung);
    if (!vorschlag.isEmpty())
        dialog.selectFile(vorschlag);
    if (!dateidialog_zeigen(dialog))
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtDialoge::modal(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orbela
