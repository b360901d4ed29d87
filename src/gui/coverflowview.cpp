#include "coverflowview.h"

#include "browser/browsercontroller.h"
#include "coverflowdocview.h"
#include "imageselector.h"
#include "model/cover.h"
#include "scroller.h"

#include <QScrollBar>

CoverFlowView::CoverFlowView(QWidget *parent)
    : QScrollArea(parent)
    , m_docView(new CoverFlowDocView)
{
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::Base, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    viewport()->setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so the content height (and with it the thumbnails' size) stays put.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBar(new Scroller(this));
    setWidgetResizable(false);
    setWidget(m_docView);
    setFocusPolicy(Qt::TabFocus);
    updateBaseLayout();
}

void CoverFlowView::setDataSource(BrowserController *dataSource)
{
    m_dataSource = dataSource;
}

int CoverFlowView::coverCount() const
{
    return m_dataSource ? int(m_dataSource->covers().size()) : 0;
}

ImageSelector *CoverFlowView::thumbnail(int tag) const
{
    for (ImageSelector *selector :
         m_docView->findChildren<ImageSelector *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (selector->tag() == tag)
            return selector;
    }
    return nullptr;
}

void CoverFlowView::updateBaseLayout()
{
    const int height = viewport()->height();
    m_edgeLength = qMax(0, height - 40);
    const int slot = m_edgeLength + 20;
    m_docView->setGeometry(m_docView->x(), m_docView->y(), coverCount() * slot + 20, height);
}

QRect CoverFlowView::thumbnailFrame(int index) const
{
    return QRect(20 + index * (m_edgeLength + 20), 20, m_edgeLength, m_edgeLength);
}

void CoverFlowView::placeThumbnails()
{
    for (ImageSelector *selector :
         m_docView->findChildren<ImageSelector *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (selector->tag() < coverCount())
            selector->setGeometry(thumbnailFrame(selector->tag()));
    }
}

void CoverFlowView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    updateBaseLayout();
    placeThumbnails();
}

void CoverFlowView::reloadData()
{
    updateBaseLayout();
    qDeleteAll(m_docView->findChildren<ImageSelector *>(QString(), Qt::FindDirectChildrenOnly));
    const int count = coverCount();
    for (int i = 0; i < count; ++i) {
        const Cover &cover = *m_dataSource->covers()[size_t(i)];
        auto *selector = new ImageSelector(thumbnailFrame(i), cover.image(), m_docView);
        selector->setTag(i);
        selector->setSelected(i == 0);
        selector->setToolTip(cover.imageTitle());
        selector->setActions([this](ImageSelector *sender) { clickOnImageSelector(sender); },
                             [this](ImageSelector *sender) { tabToImageSelector(sender); });
        selector->show();
    }
    m_selectedIndex = 0;
    horizontalScrollBar()->setValue(0);
}

void CoverFlowView::setSelectedIndex(int index)
{
    if (index == m_selectedIndex)
        return;
    m_selectedIndex = index;
    if (m_dataSource)
        m_dataSource->setSelectedIndex(index);
}

void CoverFlowView::clickOnImageSelector(ImageSelector *sender)
{
    ImageSelector *previous = thumbnail(m_selectedIndex);
    if (!sender || sender == previous)
        return;
    if (previous)
        previous->setSelected(false);
    setSelectedIndex(sender->tag());
    sender->setSelectOnBecomingFirstResponder(false);
    sender->setFocus(Qt::MouseFocusReason);
    sender->setSelectOnBecomingFirstResponder(true);
}

void CoverFlowView::tabToImageSelector(ImageSelector *sender)
{
    clickOnImageSelector(sender);
    const int slot = m_edgeLength + 20;
    const int visible = slot > 0 ? viewport()->width() / slot - 1 : -1;
    const int m = visible < 0 ? m_selectedIndex : qMin(m_selectedIndex, visible);
    horizontalScrollBar()->setValue(slot * m_selectedIndex - slot * m);
}

void CoverFlowView::focusInEvent(QFocusEvent *event)
{
    QScrollArea::focusInEvent(event);
    m_docView->setFocus(Qt::TabFocusReason);
}
