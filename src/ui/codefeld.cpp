#include "ui/codefeld.h"

#include <QValidator>

namespace orbela {

namespace {

// Rejects an edit that makes the text longer than the limit and longer
// than it was. setText() bypasses validators, so loaded texts stay whole.
class TippLaenge : public QValidator {
public:
    TippLaenge(CodeFeld* feld)
        : QValidator(feld)
        , max_(feld->maxGetippt())
    {
        connect(feld, &QLineEdit::textChanged, this, [this](const QString& t) { laenge_ = t.size(); });
    }
    State validate(QString& eingabe, int&) const override
    {
        if (eingabe.size() > max_ && eingabe.size() > laenge_)
            return Invalid;
        return Acceptable;
    }

private:
    int max_;
    qsizetype laenge_ = 0;
};

} // namespace

CodeFeld::CodeFeld(int max_getippt, QWidget* parent)
    : QLineEdit(parent)
    , max_getippt_(max_getippt)
{
    setValidator(new TippLaenge(this));
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
    e->setPlaceholderText(hinweis);
    return e;
}

} // namespace orbela
