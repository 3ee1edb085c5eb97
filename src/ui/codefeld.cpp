#include "ui/codefeld.h"

#include <QKeyEvent>
#include <QValidator>

namespace orbela {

// Rejects a typed edit that makes the text longer than the limit and longer
// than it was. Any text the program sets is accepted: a rejected program
// text would make the field stop checking later edits altogether.
class TippLaenge : public QValidator {
public:
    explicit TippLaenge(CodeFeld* feld)
        : QValidator(feld)
        , feld_(feld)
    {
    }
    State validate(QString& eingabe, int&) const override
    {
        if (!feld_->tippt_) {
            feld_->programmtext_ = eingabe;
            return Acceptable;
        }
        if (eingabe.size() > feld_->max_getippt_ && eingabe.size() > feld_->vorher_.size()
            && eingabe != feld_->programmtext_)
            return Invalid;
        return Acceptable;
    }

private:
    CodeFeld* feld_;
};

CodeFeld::CodeFeld(int max_getippt, QWidget* parent)
    : QLineEdit(parent)
    , max_getippt_(max_getippt)
{
    setValidator(new TippLaenge(this));
}

template <typename Basis>
void CodeFeld::als_eingabe(Basis&& basis)
{
    if (tippt_) {
        basis();
        return;
    }
    vorher_ = text();
    tippt_ = true;
    struct Ende {
        bool& tippt;
        ~Ende() { tippt = false; }
    } ende{tippt_};
    basis();
}

bool CodeFeld::event(QEvent* event)
{
    // Ctrl+Z and Ctrl+Y undo and redo the plan, not the field's own text:
    // the field lets these shortcuts through to the window's menu.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        const QKeyCombination kombination = taste->keyCombination();
        if (taste->matches(QKeySequence::Undo) || taste->matches(QKeySequence::Redo)
            || kombination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CodeFeld::keyPressEvent(QKeyEvent* event)
{
    als_eingabe([&] { QLineEdit::keyPressEvent(event); });
}

void CodeFeld::inputMethodEvent(QInputMethodEvent* event)
{
    als_eingabe([&] { QLineEdit::inputMethodEvent(event); });
}

void CodeFeld::contextMenuEvent(QContextMenuEvent* event)
{
    als_eingabe([&] { QLineEdit::contextMenuEvent(event); }); // "Einfügen" of the menu
}

void CodeFeld::mouseReleaseEvent(QMouseEvent* event)
{
    als_eingabe([&] { QLineEdit::mouseReleaseEvent(event); }); // pasting the selection with the middle button
}

void CodeFeld::dropEvent(QDropEvent* event)
{
    als_eingabe([&] { QLineEdit::dropEvent(event); });
}

QFont feld_schrift()
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(20);
    return schrift;
}

CodeFeld* code_feld(QWidget* eltern, const char* name, const QString& hinweis, int max_getippt, QRect lage)
{
    auto* e = new CodeFeld(max_getippt, eltern);
    e->setObjectName(QString::fromUtf8(name));
    e->setGeometry(lage);
    e->setToolTip(hinweis);
    return e;
}

} // namespace orbela
