#include "scroller.h"

#include <QPainter>
#include <QStyleOptionSlider>

Scroller::Scroller(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedHeight(16);
}

QRect Scroller::knobRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect knob =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    return knob.adjusted(16, 4, -16, -4);
}

void Scroller::paintEvent(QPaintEvent *)
{
    if (maximum() <= minimum())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(94, 94, 94));
    painter.drawRoundedRect(knobRect(), 4, 4);
}
