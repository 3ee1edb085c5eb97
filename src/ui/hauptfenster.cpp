#include "ui/hauptfenster.h"

namespace orbela {

Hauptfenster::Hauptfenster(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Orbela V2.2"));
}

} // namespace orbela
