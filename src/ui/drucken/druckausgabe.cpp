#include "ui/drucken/druckausgabe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPageSize>

#include "core/fehler.h"
#include "ui/dialoge.h"
#include "ui/drucken/qt_druckauftrag.h"

namespace orbela {

namespace {
const QString ausdrucke_ordner = QStringLiteral("Ausdrucke");

Druckausgabe::Druckerliste drucker_des_systems()
{
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}
} // namespace

Druckausgabe::Druckausgabe(std::string programmpfad)
    : programmpfad_(std::move(programmpfad))
    , drucker_(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , quelle_(drucker_des_systems)
{
}

Druckausgabe::~Druckausgabe() = default;

void Druckausgabe::einrichten(Dialoge& dialoge)
{
    QPrintDialog dialog(drucker_.get());
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialoge.modal(dialog))
        eingerichtet_ = true;
}

QString Druckausgabe::waehle_drucker(const Druckerliste& liste)
{
    if (!liste.standard.isEmpty())
        return liste.standard;
    return liste.installiert.isEmpty() ? QString() : liste.installiert.constFirst();
}

bool Druckausgabe::auf_drucker()
{
    ohne_drucker_ = false;
    if (nur_pdf_)
        return false;
    if (eingerichtet_)
        return drucker_->outputFormat() == QPrinter::NativeFormat && drucker_->isValid();
    const QString name = waehle_drucker(quelle_());
    if (name.isEmpty()) {
        ohne_drucker_ = true;
        return false;
    }
    if (drucker_->printerName() != name)
        drucker_->setPrinterName(name);
    return true;
}

QString Druckausgabe::ohne_drucker_hinweis()
{
    if (!ohne_drucker_ || ohne_drucker_gemeldet_)
        return {};
    ohne_drucker_gemeldet_ = true;
    return QStringLiteral("Es ist kein Drucker installiert. Die Ausdrucke werden als PDF-Dateien im Ordner \"%1\" "
                          "gespeichert.")
        .arg(relativ(pdf_ordner()));
}

QString Druckausgabe::pdf_ordner() const
{
    if (!nur_pdf_ && eingerichtet_ && drucker_->outputFormat() == QPrinter::PdfFormat
        && !drucker_->outputFileName().isEmpty())
        return QFileInfo(drucker_->outputFileName()).absolutePath();
    return QFile::decodeName(QByteArray::fromStdString(programmpfad_)) + ausdrucke_ordner;
}

QString Druckausgabe::relativ(const QString& pfad) const
{
    // A file outside the program folder keeps its full path: "../../x.pdf"
    // tells nobody where to look.
    const QString relativ = QDir(QFile::decodeName(QByteArray::fromStdString(programmpfad_))).relativeFilePath(pfad);
    if (relativ.startsWith(QStringLiteral("../")) || relativ == QStringLiteral("..") || QDir::isAbsolutePath(relativ))
        return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    return relativ;
}

std::unique_ptr<Druckauftrag> Druckausgabe::auftrag(const QString& ausdruck, const QString& thema)
{
    letzte_datei_.clear();
    if (auf_drucker()) {
        drucker_->setDocName(thema.isEmpty() ? ausdruck : ausdruck + u' ' + thema);
        return std::make_unique<QtDruckauftrag>(*drucker_);
    }
    const QString ordner = pdf_ordner();
    if (!QDir().mkpath(ordner))
        throw Fehler("Der Ordner \"" + ordner.toStdString() + "\" kann nicht angelegt werden.");
    letzte_datei_ = pdf_name(ordner, ausdruck, thema);
    return QtDruckauftrag::pdf(letzte_datei_);
}

QPrinter& Druckausgabe::vorschau_drucker(const QString& name)
{
    if (auf_drucker()) {
        drucker_->setDocName(name);
        return *drucker_;
    }
    if (!pdf_drucker_) {
        pdf_drucker_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        pdf_drucker_->setOutputFormat(QPrinter::PdfFormat);
        pdf_drucker_->setResolution(300);
        pdf_drucker_->setPageSize(QPageSize(QPageSize::A4));
        pdf_drucker_->setCreator(QStringLiteral("Orbela"));
    }
    pdf_drucker_->setDocName(name);
    pdf_drucker_->setOutputFileName(QDir(pdf_ordner()).filePath(dateiname(name) + QStringLiteral(".pdf")));
    return *pdf_drucker_;
}

QString Druckausgabe::dateiname(QString name)
{
    for (QChar& ch : name) {
        if (ch.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(ch))
            ch = u'_';
    }
    return name;
}

QString Druckausgabe::pdf_name(const QString& ordner, const QString& ausdruck, const QString& thema)
{
    const QString name = dateiname(thema.isEmpty() ? ausdruck : ausdruck + u' ' + thema);
    const QDir dir(ordner);
    QString datei = dir.filePath(name + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(datei); ++n)
        datei = dir.filePath(name + QStringLiteral(" (%1).pdf").arg(n));
    return datei;
}

} // namespace orbela
