#pragma once

#include "ui/zentrieren.h"

namespace orbela {

class Ordnerfeld;

// "Als Webseiten speichern": the folder that receives the pages. Created
// once, so it offers the folder of the last use again.
class WebseitenDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit WebseitenDialog(const QString& ordner, QWidget* parent = nullptr);

    QString ordner() const;

private:
    Ordnerfeld* ordner_ = nullptr;
};

} // namespace orbela
