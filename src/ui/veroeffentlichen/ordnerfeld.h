#pragma once

#include <QWidget>

class QLineEdit;

namespace orbela {

// A folder to write into: its path as text, and "Durchsuchen..." to pick
// it in the folder dialog. A folder that does not exist yet may be typed.
class Ordnerfeld : public QWidget {
    Q_OBJECT
public:
    explicit Ordnerfeld(QWidget* parent = nullptr);

    QString ordner() const;
    void setze_ordner(const QString& pfad);

private:
    void ordner_suchen();

    QLineEdit* pfad_ = nullptr;
};

} // namespace orbela
