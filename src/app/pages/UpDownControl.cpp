#include "app/pages/UpDownControl.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent)
{
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFixedSize(17, 11);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { setPosition(position_ + 1); });
    connect(down_, &QToolButton::clicked, this, [this] { setPosition(position_ - 1); });
}

void UpDownControl::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    setPosition(position_);
}

void UpDownControl::setPosition(int position)
{
    const int clamped = std::clamp(position, minimum_, maximum_);
    if (clamped == position_)
        return;
    position_ = clamped;
    emit positionChanged(position_);
}
