#pragma once

#include <QScrollArea>

class BrowserController;
class CoverFlowDocView;
class ImageSelector;

// The cover strip: the covers of the last search as one row of square
// thumbnails on black, scrolled sideways. Thumbnail i stands at x = 20 + i*s,
// y = 20, e by e, where e is the strip's content height less 40 and s = e + 20.
// Clicking or tabbing to a thumbnail selects it; the browser controller
// learns the selected index.
class CoverFlowView : public QScrollArea
{
    Q_OBJECT
public:
    explicit CoverFlowView(QWidget *parent = nullptr);

    void setDataSource(BrowserController *dataSource);
    int selectedIndex() const { return m_selectedIndex; }
    // Notifies the data source when the index really changes.
    void setSelectedIndex(int index);
    int edgeLength() const { return m_edgeLength; }
    CoverFlowDocView *documentView() const { return m_docView; }
    ImageSelector *thumbnail(int tag) const;

    // Rebuilds every thumbnail from the data source and selects the first.
    void reloadData();
    void updateBaseLayout();

    void clickOnImageSelector(ImageSelector *sender);
    void tabToImageSelector(ImageSelector *sender);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    int coverCount() const;
    QRect thumbnailFrame(int index) const;
    void placeThumbnails();

    CoverFlowDocView *m_docView;
    BrowserController *m_dataSource = nullptr;
    int m_selectedIndex = 0;
    int m_edgeLength = 0;
};
