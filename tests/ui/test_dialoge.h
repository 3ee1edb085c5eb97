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
    // Answers to the questions with "Abbrechen"; "Nein" when none is left.
    std::deque<orbela::Antwort> antworten_mit_abbrechen;
    std::deque<std::optional<QString>> dateien;
    // Runs on a modal dialog instead of showing it; returns its result.
    std::function<bool(QDialog&)> dialog_handler = [](QDialog&) { return false; };

    QStringList fragen;
    QStringList hinweise;
    QStringList fehler_texte;
    QStringList filter;
    QStringList endungen; // the extension each save dialog appends
    int geoeffnet = 0; // open dialogs shown

    bool frage(const QString& text) override
    {
        fragen << text;
        if (antworten.empty())
            return false;
        const bool a = antworten.front();
        antworten.pop_front();
        return a;
    }
    orbela::Antwort frage_mit_abbrechen(const QString& text) override
    {
        fragen << text;
        if (antworten_mit_abbrechen.empty())
            return orbela::Antwort::nein;
        const orbela::Antwort a = antworten_mit_abbrechen.front();
        antworten_mit_abbrechen.pop_front();
        return a;
    }
    orbela::Antwort wahl(const QString& text, const QString&, const QString&) override
    {
        return frage_mit_abbrechen(text);
    }
    void hinweis(const QString& text) override { hinweise << text; }
    void fehler(const QString& text) override { fehler_texte << text; }
    std::optional<QString> datei_oeffnen(const QString& f) override
    {
        ++geoeffnet;
        return naechste_datei(f);
    }
    QStringList vorschlaege; // of the save dialogs
    std::optional<QString> datei_speichern(const QString& f, const QString& endung,
                                           const QString& vorschlag = {}) override
    {
        endungen << endung;
        vorschlaege << vorschlag;
        return naechste_datei(f);
    }
    bool modal(QDialog& dialog) override { return dialog_handler(dialog); }
    std::deque<std::optional<QString>> ordner; // answers of the folder dialogs
    std::optional<QString> ordner_waehlen(const QString&) override
    {
        if (ordner.empty())
            return std::nullopt;
        std::optional<QString> o;
        o.swap(ordner.front());
        ordner.pop_front();
        return o;
    }

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
