#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Page count and text of a PDF file, read with the poppler tools.
inline QString pdf_werkzeug(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdf_seiten(const QString& datei)
{
    const QString info = pdf_werkzeug(QStringLiteral("pdfinfo"), {datei});
    for (const QString& zeile : info.split(u'\n')) {
        if (zeile.startsWith(QStringLiteral("Pages:")))
            return zeile.mid(6).trimmed().toInt();
    }
    return -1;
}

inline QString pdf_text(const QString& datei)
{
    return pdf_werkzeug(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
}

// The text of each page, first to last.
inline QStringList pdf_seitentexte(const QString& datei)
{
    QStringList seiten;
    const int n = pdf_seiten(datei);
    for (int s = 1; s <= n; ++s) {
        seiten << pdf_werkzeug(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                                             QString::number(s), QStringLiteral("-l"),
                                                             QString::number(s), datei, QStringLiteral("-")});
    }
    return seiten;
}
