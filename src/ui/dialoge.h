#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace orbela {

// The answer to a question with "Ja", "Nein" and "Abbrechen".
enum class Antwort { ja, nein, abbrechen };

// Every modal question, notice, error box and file dialog of the program
// goes through this interface, so tests can answer them.
class Dialoge {
public:
    virtual ~Dialoge() = default;

    // A confirmation with "Ja" and "Nein"; true only on "Ja".
    virtual bool frage(const QString& text) = 0;
    // A question with "Ja", "Nein" and "Abbrechen"; closing the box cancels.
    virtual Antwort frage_mit_abbrechen(const QString& text) = 0;
    // The same with other names for the first two buttons: the first
    // answers `ja`, the second `nein`, "Abbrechen" and closing `abbrechen`.
    virtual Antwort wahl(const QString& text, const QString& erster, const QString& zweiter) = 0;
    // A notice with "OK".
    virtual void hinweis(const QString& text) = 0;
    // The general error handler's message box.
    virtual void fehler(const QString& text) = 0;
    // Open and save dialogs; nothing when the user cancels. The save dialog
    // appends `endung` to a name typed without one and starts at `vorschlag`
    // (a path) when one is given.
    virtual std::optional<QString> datei_oeffnen(const QString& filter) = 0;
    virtual std::optional<QString> datei_speichern(const QString& filter, const QString& endung,
                                                   const QString& vorschlag = {}) = 0;
    // Shows a dialog window modally; true when it was closed with OK.
    virtual bool modal(QDialog& dialog) = 0;
    // A folder dialog starting at `start`; nothing when the user cancels
    // (and from dialogs that choose no folders).
    virtual std::optional<QString> ordner_waehlen(const QString& start)
    {
        (void)start;
        return std::nullopt;
    }
};

// The real dialogs on the screen, centred on the parent window.
class QtDialoge final : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern)
        : eltern_(eltern)
    {
    }
    bool frage(const QString& text) override;
    Antwort frage_mit_abbrechen(const QString& text) override;
    Antwort wahl(const QString& text, const QString& erster, const QString& zweiter) override;
    void hinweis(const QString& text) override;
    void fehler(const QString& text) override;
    std::optional<QString> datei_oeffnen(const QString& filter) override;
    std::optional<QString> datei_speichern(const QString& filter, const QString& endung,
                                           const QString& vorschlag = {}) override;
    bool modal(QDialog& dialog) override;
    std::optional<QString> ordner_waehlen(const QString& start) override;

private:
    QWidget* eltern_;
};

} // namespace orbela
