#pragma once

#include <QObject>

class BrowserController;
class OnlineSearch;

// Which of the two views the main window shows: the editor or the browser.
// Showing the browser fills its search text from the editor's selection.
// The window follows the editorShown and browserShown signals.
class ViewController : public QObject
{
    Q_OBJECT
public:
    enum Segment { EditorSegment = 0, BrowserSegment = 1 };

    ViewController(BrowserController &browser, const OnlineSearch &search, QObject *parent = nullptr);

    bool isEditorVisible() const { return m_isEditorVisible; }
    // The two-segment control's action: 0 shows the editor, 1 the browser;
    // isEditorVisible follows, announced once. Other segments change nothing.
    void changeView(int segment);
    void showEditor();
    void showBrowser();

Q_SIGNALS:
    void editorShown();
    // The search text has been filled; the window shows the browser, focuses
    // and selects the search field and closes the preview.
    void browserShown();
    void isEditorVisibleChanged(bool visible);

private:
    BrowserController &m_browser;
    const OnlineSearch &m_search;
    bool m_isEditorVisible = true;
};
