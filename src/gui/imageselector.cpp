#include "imageselector.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPainter>

ImageSelector::ImageSelector(const QRect &frame, const QImage &image, QWidget *parent)
    : QWidget(parent)
    , m_imageView(new QLabel(this))
    , m_image(image)
{
    setGeometry(frame);
    setFocusPolicy(Qt::StrongFocus);
    m_imageView->setAlignment(Qt::AlignCenter);
    QPalette grey = m_imageView->palette();
    grey.setColor(QPalette::WindowText, QColor(120, 120, 120));
    m_imageView->setPalette(grey);
    m_imageView->setGeometry(10, 10, qMax(0, frame.width() - 20), qMax(0, frame.height() - 20));
    showImage();
}

void ImageSelector::setActions(Action clicked, Action tabbed)
{
    m_clicked = std::move(clicked);
    m_tabbed = std::move(tabbed);
}

void ImageSelector::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void ImageSelector::select(const Action &action)
{
    setSelected(true);
    if (action)
        action(this);
}

void ImageSelector::mousePressEvent(QMouseEvent *)
{
    select(m_clicked);
}

void ImageSelector::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // A click selects through mousePressEvent; only the keyboard selects here.
    if (m_selectOnFocus && event->reason() != Qt::MouseFocusReason)
        select(m_tabbed);
}

void ImageSelector::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    // The table of results never takes the focus, so clicking it keeps the marker.
    if (event->reason() != Qt::PopupFocusReason)
        setSelected(false);
}

void ImageSelector::resizeEvent(QResizeEvent *)
{
    m_imageView->setGeometry(10, 10, qMax(0, width() - 20), qMax(0, height() - 20));
    showImage();
}

void ImageSelector::showImage()
{
    if (m_image.isNull() || m_imageView->width() <= 0 || m_imageView->height() <= 0) {
        // The picture could not be had: say so rather than leave a black hole in the row.
        m_imageView->setText(m_image.isNull() && m_imageView->width() > 40 ? tr("No picture") : QString());
        return;
    }
    m_imageView->setPixmap(QPixmap::fromImage(
        m_image.scaled(m_imageView->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void ImageSelector::paintEvent(QPaintEvent *)
{
    if (!m_selected)
        return;
    // A small triangle under the picture, pointing up at it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width(), h = height();
    const QPointF corners[] = {{w / 2 - 5, h}, {w / 2 + 5, h}, {w / 2, h - 6}};
    painter.setPen(QColor(200, 200, 200));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawPolygon(corners, 3);
}
