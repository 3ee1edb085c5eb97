#pragma once

#include <QFont>
#include <QLineEdit>

namespace orbela {

// An edit field whose limit holds for typing only: text set by the program
// may be longer (a 4-character code read from a file is shown whole), and
// the user may shorten such a text but not type it longer.
class CodeFeld : public QLineEdit {
    Q_OBJECT
public:
    CodeFeld(int max_getippt, QWidget* parent = nullptr);
    int maxGetippt() const { return max_getippt_; }

private:
    int max_getippt_;
};

// The font of the code fields: Arial, 20 pixels.
QFont feld_schrift();

// A code field with object name, hint (tooltip and placeholder), typing
// limit and place, as the editing pages lay them out.
CodeFeld* code_feld(QWidget* eltern, const char* name, const QString& hinweis, int max_getippt, QRect lage);

} // namespace orbela
