// Small helpers shared by the six device-configuration sub-pages: named
// controls, selection-only lists whose items can be replaced without losing
// the selection, and the row/column arrangement of a configuration grid.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

class QGridLayout;

namespace configgrid {

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

/// A selection-only drop-down list; its design selection is the first item.
QComboBox* list(const QString& name);
/// An empty one-line edit box.
QLineEdit* box(const QString& name);
/// A caption button ("Zapisz" / "Odczytaj") sized to its text.
QPushButton* button(const QString& name);
/// A row or column label, word-wrapped where it is long.
QLabel* label(const QString& name, bool wrap = false);

/// Creates the control of a grid cell into its member.
inline QWidget* make(QComboBox*& member, const QString& name) { return member = list(name); }
inline QWidget* make(QLineEdit*& member, const QString& name) { return member = box(name); }
inline QWidget* make(QPushButton*& member, const QString& name) { return member = button(name); }

/// The name of channel n from a pattern holding %1 ("adc_mode_%1", 1 -> "adc_mode_1").
inline QString channelName(const char* pattern, int n) { return QString::fromLatin1(pattern).arg(n); }

/// Replaces the items of a list and keeps its selected position (no item
/// stays selected when the old position is past the new list's end).
void setItems(QComboBox* list, const QStringList& items);

/// One cell of a grid: the control followed by its button(s), as one widget
/// placed in column `column` of `row`.
void addCell(QGridLayout* grid, int row, int column, QWidget* control, QWidget* button1,
             QWidget* button2 = nullptr);

} // namespace configgrid
