#include "imageview.h"

#include "images/imagecontroller.h"
#include "images/imagedrop.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

ImageView::ImageView(QWidget *parent)
    : QFrame(parent)
{
    setAcceptDrops(true);
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(120, 120);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize ImageView::sizeHint() const
{
    return QSize(200, 200);
}

void ImageView::setControllers(ImageController &images, ImageDrop &drop)
{
    m_images = &images;
    m_drop = &drop;
    connect(&images, &ImageController::leadImageChanged, this, qOverload<>(&QWidget::update));
}

void ImageView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = contentsRect().adjusted(6, 6, -6, -6);
    if (m_images && !m_images->leadImage().isNull()) {
        const QImage scaled =
            m_images->leadImage().scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint origin = area.center() - QPoint(scaled.width() / 2, scaled.height() / 2);
        painter.drawImage(origin, scaled);
    } else if (m_images && m_images->showsPlaceholder()) {
        paintPlaceholder(painter, area);
    }
    if (m_dragOver) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(contentsRect().adjusted(2, 2, -2, -2), 6, 6);
    }
}

void ImageView::paintPlaceholder(QPainter &painter, const QRect &area) const
{
    // Our own "drop" artwork: a dashed tray with an arrow pointing into it.
    const QColor ink = palette().color(QPalette::PlaceholderText);
    const int side = qMin(area.width(), area.height());
    const QRectF tray(area.center().x() - side * 0.4, area.center().y() - side * 0.4, side * 0.8, side * 0.8);
    QPen dashed(ink, 2, Qt::DashLine);
    dashed.setDashPattern({4, 3});
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tray, 10, 10);

    QPainterPath arrow;
    const QPointF tip(tray.center().x(), tray.center().y() + side * 0.08);
    arrow.moveTo(tip.x() - side * 0.05, tray.top() + side * 0.12);
    arrow.lineTo(tip.x() + side * 0.05, tray.top() + side * 0.12);
    arrow.lineTo(tip.x() + side * 0.05, tip.y() - side * 0.1);
    arrow.lineTo(tip.x() + side * 0.13, tip.y() - side * 0.1);
    arrow.lineTo(tip);
    arrow.lineTo(tip.x() - side * 0.13, tip.y() - side * 0.1);
    arrow.lineTo(tip.x() - side * 0.05, tip.y() - side * 0.1);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(arrow);

    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF label(tray.left(), tip.y() + side * 0.04, tray.width(),
                       tray.bottom() - tip.y() - side * 0.06);
    painter.drawText(label, Qt::AlignCenter | Qt::TextWordWrap, tr("Drop an image here"));
}

bool ImageView::acceptDrag(QDropEvent *event)
{
    const bool allowsCopy = event->possibleActions() & Qt::CopyAction;
    const bool accepted = m_drop && m_drop->handleDragging(*event->mimeData(), allowsCopy);
    m_dragOver = accepted;
    update();
    if (accepted) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return accepted;
}

void ImageView::dragEnterEvent(QDragEnterEvent *event)
{
    acceptDrag(event);
}

void ImageView::dragMoveEvent(QDragMoveEvent *event)
{
    acceptDrag(event);
}

void ImageView::dragLeaveEvent(QDragLeaveEvent *)
{
    m_dragOver = false;
    update();
}

void ImageView::dropEvent(QDropEvent *event)
{
    m_dragOver = false;
    if (acceptDrag(event))
        m_drop->processPasteboard(*event->mimeData(), true);
    m_dragOver = false;
    update();
}
