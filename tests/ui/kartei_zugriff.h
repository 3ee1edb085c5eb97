#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

#include "ui/bild_widget.h"

// The card window's widgets as its user sees them, found by name.
namespace kartei_zugriff {

// The text fields Edit1 .. Edit27.
inline QLineEdit* eingabe(QWidget& f, int n)
{
    return f.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
}

// "<" SpeedButton1, the name list SpeedButton2, ">" SpeedButton3, new card
// SpeedButton4, delete SpeedButton5, print SpeedButton6; "OK" BitBtn1.
template <typename Knopf = QToolButton>
Knopf* taste(QWidget& f, const char* name)
{
    return f.findChild<Knopf*>(QString::fromLatin1(name));
}

// The grid of blocked lessons.
inline orbela::BildWidget* gesperrte_stunden(QWidget& f)
{
    return f.findChild<orbela::BildWidget*>(QStringLiteral("Image1"));
}

// The check box "Lehrer".
inline QCheckBox* lehrer_kaestchen(QWidget& f)
{
    return f.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
}

// The cover over the teacher block of a non-teacher's card.
inline QWidget* lehrerblock_deckel(QWidget& f)
{
    return f.findChild<QWidget*>(QStringLiteral("Panel1"));
}

} // namespace kartei_zugriff
