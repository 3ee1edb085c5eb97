#pragma once

#include <QString>

#include "ui/zentrieren.h"

class QLineEdit;

namespace orbela {

// "Lehrer ersetzen": asks for the old and the new teacher code. Created once,
// so its fields keep their texts from one use to the next.
class LehrerErsetzenDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit LehrerErsetzenDialog(QWidget* parent = nullptr);

    // The old and the new teacher code as typed.
    QString alt() const;
    QString neu() const;

private:
    QLineEdit* alt_feld_ = nullptr;
    QLineEdit* neu_feld_ = nullptr;
};

} // namespace orbela
