#pragma once

#include <QPushButton>

namespace orbela {

// A button that acts when it receives the focus (by Tab or by a click).
class FokusKnopf : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

signals:
    void fokusErhalten();

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QPushButton::focusInEvent(event);
        emit fokusErhalten();
    }
};

} // namespace orbela
