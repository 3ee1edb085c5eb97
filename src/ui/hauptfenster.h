#pragma once

#include <QMainWindow>

namespace orbela {

class Hauptfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit Hauptfenster(QWidget* parent = nullptr);
};

} // namespace orbela
