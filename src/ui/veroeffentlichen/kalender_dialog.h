#pragma once

#include <QDate>

#include "ui/zentrieren.h"

class QDateEdit;

namespace orbela {

class Ordnerfeld;

// "Kalender exportieren": the first and last school day of the period and
// the folder that receives the calendar files. Created once, so it offers
// what was chosen last.
class KalenderDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    // The period offered first runs from `heute` to the end of its school
    // year (31 July).
    KalenderDialog(const QString& ordner, QDate heute, QWidget* parent = nullptr);

    QDate erster_schultag() const;
    QDate letzter_schultag() const;
    QString ordner() const;

private:
    QDateEdit* erster_ = nullptr;
    QDateEdit* letzter_ = nullptr;
    Ordnerfeld* ordner_ = nullptr;
};

} // namespace orbela
