#pragma once

#include "ui/zentrieren.h"

namespace orbela {

// "Info": the program's name, version and purpose.
class InfoFenster : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit InfoFenster(QWidget* parent = nullptr);
};

} // namespace orbela
