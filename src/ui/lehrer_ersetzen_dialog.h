#pragma once

#include "ui/zentrieren.h"

class QLineEdit;

namespace orbela {

// "Lehrer ersetzen": asks for the old and the new teacher code. Created once,
// so its fields keep their texts from one use to the next.
class LehrerErsetzenDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit LehrerErsetzenDialog(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr; // old code
    QLineEdit* Edit2 = nullptr; // new code
};

} // namespace orbela
