#pragma once

#include <QFrame>

class ImageController;
class ImageDrop;

// The image well: shows the lead image, or the "drop" artwork when songs
// are selected but hold no image, and takes images dropped on it.
class ImageView : public QFrame
{
    Q_OBJECT
public:
    explicit ImageView(QWidget *parent = nullptr);

    void setControllers(ImageController &images, ImageDrop &drop);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void paintPlaceholder(QPainter &painter, const QRect &area) const;
    bool acceptDrag(QDropEvent *event);

    ImageController *m_images = nullptr;
    ImageDrop *m_drop = nullptr;
    bool m_dragOver = false;
};
