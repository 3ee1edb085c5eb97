#pragma once

#include <QFont>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orbela {

// An edit field whose limit holds for typing only: text set by the program
// may be longer (a 4-character code read from a file is shown whole), and
// the user may shorten such a text but not type it longer. Every way of
// typing (keys, input methods, pasting, dropping) is measured against the
// text before that edit.
class CodeFeld : public QLineEdit {
    Q_OBJECT
public:
    CodeFeld(int max_getippt, QWidget* parent = nullptr);
    int maxGetippt() const { return max_getippt_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class TippLaenge;
    // Runs one user edit with the text before it noted.
    template <typename Basis>
    void als_eingabe(Basis&& basis);

    int max_getippt_;
    bool tippt_ = false;
    QString vorher_;      // the text before the user's edit
    QString programmtext_; // the text the program set last, which undo may bring back
};

// The font of the code fields: Arial, 20 pixels.
QFont feld_schrift();

// A code field with object name, hint (tooltip), typing limit and place, as
// the editing pages lay them out.
CodeFeld* code_feld(QWidget* eltern, const char* name, const QString& hinweis, int max_getippt, QRect lage);

// Sets a field's text from the program; its change handler runs when the
// text differs, exactly as when the user types it (inside the caller's
// handler, so that an error stops the caller too).
template <typename Handler>
void setze_feldtext(QLineEdit& feld, const QString& text, Handler&& handler)
{
    if (feld.text() == text)
        return;
    {
        const QSignalBlocker sperre(&feld);
        feld.setText(text);
    }
    handler();
}

} // namespace orbela
