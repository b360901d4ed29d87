#include "coverflowdocview.h"

#include "imageselector.h"

#include <QFocusEvent>

CoverFlowDocView::CoverFlowDocView(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
}

void CoverFlowDocView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    const QList<ImageSelector *> thumbnails =
        findChildren<ImageSelector *>(QString(), Qt::FindDirectChildrenOnly);
    if (!thumbnails.isEmpty())
        thumbnails.first()->setFocus(Qt::TabFocusReason);
}
