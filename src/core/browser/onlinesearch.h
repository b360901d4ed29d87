#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class AllInOneController;
class BrowserController;
class Cover;
class EditorController;
class ImageController;

// Where the editor meets the release database: the query text of the
// selection, starting a search in the browser, the store's search page, and
// copying a chosen release and cover into the selected songs.
class OnlineSearch : public QObject
{
    Q_OBJECT
public:
    // The store whose search page searchInAmazon opens.
    static const QString StoreRoot;

    OnlineSearch(EditorController &editor, ImageController &images, BrowserController &browser,
                 AllInOneController &allInOne, QObject *parent = nullptr);

    // The first selected song's artist, a blank and its album; "" without a selection.
    QString queryString() const;
    // Asks for the browser (browserRequested), puts the query text into its
    // search field and starts the search 0.1 s later, once the browser is drawn.
    void searchInDiscogs();
    // The store's search page for the first selected song.
    QUrl amazonURL() const;
    void searchInAmazon();
    // How web pages are opened; QDesktopServices by default.
    void setUrlOpener(std::function<void(const QUrl &)> opener) { m_openUrl = std::move(opener); }

    // Copies the checked titles (with track numbers), the artist, album, genre
    // and year of COVER's release into the selected songs, and the cover's
    // picture into all of them. Asks first when the number of selected songs
    // and of checked titles differ. Runs all-in-one afterwards when
    // ALL_IN_ONE_AFTER_APPLY is set.
    void applyCoverWithReleaseToSelection(const Cover &cover);

Q_SIGNALS:
    void browserRequested();

private:
    EditorController &m_editor;
    ImageController &m_images;
    BrowserController &m_browser;
    AllInOneController &m_allInOne;
    std::function<void(const QUrl &)> m_openUrl;
};
