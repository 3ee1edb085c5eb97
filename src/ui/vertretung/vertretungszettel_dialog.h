#pragma once

#include <QString>
#include <functional>

#include "ui/drucken/druckknoepfe.h"
#include "ui/zentrieren.h"

class QPlainTextEdit;
class QPushButton;

namespace orbela {

// "Vertretungszettel": the slips of every substitute as plain text to copy
// into a message, and printed (or previewed, or saved as PDF) one block per
// substitute to cut apart.
class VertretungszettelDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    VertretungszettelDialog(const QString& text, std::function<void(Druckziel)> drucken, QWidget* parent = nullptr);

    QPlainTextEdit* textfeld = nullptr;
    Druckknoepfe druckknoepfe;
    QPushButton* kopierknopf = nullptr; // puts the whole text on the clipboard

private:
    std::function<void(Druckziel)> drucken_;
};

} // namespace orbela
