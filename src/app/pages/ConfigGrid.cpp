#include "app/pages/ConfigGrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace configgrid {

QComboBox* list(const QString& name)
{
    auto* combo = named(new QComboBox, name);
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return combo;
}

QLineEdit* box(const QString& name)
{
    auto* edit = named(new QLineEdit, name);
    edit->setMinimumWidth(50);
    return edit;
}

QPushButton* button(const QString& name)
{
    auto* b = named(new QPushButton, name);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const QString& name, bool wrap)
{
    auto* l = named(new QLabel, name);
    l->setWordWrap(wrap);
    return l;
}

void setItems(QComboBox* combo, const QStringList& items)
{
    // A list filled for the first time shows its first item (design selection).
    const int selected = combo->count() == 0 ? 0 : combo->currentIndex();
    if (combo->count() == items.size()) {
        for (int i = 0; i < items.size(); ++i)
            combo->setItemText(i, items[i]);
        return;
    }
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(selected < items.size() ? selected : -1);
}

void addCell(QGridLayout* grid, int row, int column, QWidget* control, QWidget* button1, QWidget* button2)
{
    auto* cell = new QHBoxLayout;
    cell->setSpacing(2);
    cell->addWidget(control, 1);
    if (button1)
        cell->addWidget(button1);
    if (button2)
        cell->addWidget(button2);
    grid->addLayout(cell, row, column);
}

} // namespace configgrid
