#pragma once

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "ui/bild_widget.h"

// The substitution window's widgets as its user sees them, found by name.
namespace vertretung_zugriff {

inline QAction* menuepunkt(QWidget& f, const char* name)
{
    return f.findChild<QAction*>(QString::fromLatin1(name));
}

inline orbela::BildWidget* woche(QWidget& f)
{
    return f.findChild<orbela::BildWidget*>(QStringLiteral("Image1"));
}

// The proposal lists 1..4: "optimal", "o. Frei- stunden", "freie Lehrer", "alle Lehrer".
inline QListWidget* liste(QWidget& f, int n)
{
    return f.findChild<QListWidget*>(QStringLiteral("ListBox%1").arg(n));
}

// The selected lesson's class, subject, room and substitute: fields 2..5.
inline QLabel* feld(QWidget& f, int n)
{
    return f.findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
}

// "aufgeteilt (##)" BitBtn1, "entfällt (XX)" BitBtn2, "ganzen Tag" ganzerTag,
// the clear button SpeedButton1.
template <typename Knopf = QPushButton>
Knopf* knopf(QWidget& f, const char* name)
{
    return f.findChild<Knopf*>(QString::fromLatin1(name));
}

// A click into the grid, in its pixels.
inline void klick(QWidget& f, int x, int y)
{
    QTest::mouseClick(woche(f), Qt::LeftButton, {}, QPoint(x, y));
}

// A double-click on the current line of a list, as the list reports it.
inline void doppelklick_auf_aktuelle_zeile(QWidget& f, int n)
{
    emit liste(f, n)->itemDoubleClicked(liste(f, n)->currentItem());
}

} // namespace vertretung_zugriff
