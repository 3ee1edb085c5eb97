#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "ui/dialoge.h"

// Answers the program's questions from queues and keeps what it was told.
class TestDialoge final : public orbela::Dialoge {
public:
    std::deque<bool> antworten;
    std::deque<std::optional<QString>> dateien;
    // Runs on a modal dialog instead of showing it; returns its result.
    std::function<bool(QDialog&)> dialog_handler = [](QDialog&) { return false; };

    QStringList fragen;
    QStringList hinweise;
    QStringList fehler_texte;
    QStringList filter;

    bool frage(const QString& text) override
    {
        fragen << text;
        if (antworten.empty())
            return false;
        const bool a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void hinweis(const QString& text) override { hinweise << text; }
    void fehler(const QString& text) override { fehler_texte << text; }
    std::optional<QString> datei_oeffnen(const QString& f) override { return naechste_datei(f); }
    std::optional<QString> datei_speichern(const QString& f, const QString&) override { return naechste_datei(f); }
    bool modal(QDialog& dialog) override { return dialog_handler(dialog); }

private:
    std::optional<QString> naechste_datei(const QString& f)
    {
        filter << f;
        if (dateien.empty())
            return std::nullopt;
        std::optional<QString> d;
        d.swap(dateien.front());
        dateien.pop_front();
        return d;
    }
};
