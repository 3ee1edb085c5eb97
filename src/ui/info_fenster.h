#pragma once

#include <QDialog>

namespace orbela {

// "Info": the program's name, version and purpose.
class InfoFenster : public QDialog {
    Q_OBJECT
public:
    explicit InfoFenster(QWidget* parent = nullptr);
};

} // namespace orbela
