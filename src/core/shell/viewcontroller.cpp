#include "viewcontroller.h"

#include "browser/browsercontroller.h"
#include "browser/onlinesearch.h"

ViewController::ViewController(BrowserController &browser, const OnlineSearch &search, QObject *parent)
    : QObject(parent)
    , m_browser(browser)
    , m_search(search)
{}

void ViewController::changeView(int segment)
{
    if (segment == EditorSegment) {
        showEditor();
        m_isEditorVisible = true;
    } else if (segment == BrowserSegment) {
        showBrowser();
        m_isEditorVisible = false;
    } else {
        return;
    }
    Q_EMIT isEditorVisibleChanged(m_isEditorVisible);
}

void ViewController::showEditor()
{
    Q_EMIT editorShown();
}

void ViewController::showBrowser()
{
    m_browser.setSearchString(m_search.queryString());
    Q_EMIT browserShown();
}
