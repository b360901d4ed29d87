#pragma once

#include <QScrollBar>

// The cover strip's horizontal scroller: no arrows and no track, only a
// rounded grey knob on the black strip.
class Scroller : public QScrollBar
{
    Q_OBJECT
public:
    explicit Scroller(QWidget *parent = nullptr);

    // The knob's rectangle: the platform's knob, 16 in from each end and 4 in
    // from top and bottom.
    QRect knobRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
