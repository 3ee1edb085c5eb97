#pragma once

#include <QFocusEvent>
#include <QPushButton>

namespace orbela {

// A button that acts when it receives the focus by Tab, Backtab or a click;
// never when its window becomes active again or a popup closes, so a message
// box shown by its action cannot bring the action back.
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
        const Qt::FocusReason grund = event->reason();
        if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason || grund == Qt::MouseFocusReason)
            emit fokusErhalten();
    }
};

} // namespace orbela
