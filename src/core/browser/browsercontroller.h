#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

namespace ReleaseReply {
struct SearchResults;
}

class Alerts;
class Cover;
class HttpClient;
class Release;

// The browser: searches the release database for the search text, reads the
// XML replies, and keeps the releases of the last search with, in one flat
// list, the covers of all of them. The selected cover (selectedIndex, set by
// the cover strip) decides the current release, whose titles the results
// table shows with a check flag each.
class BrowserController : public QObject
{
    Q_OBJECT
public:
    // The program's key of the release database.
    static const QString ApiKey;

    // CLIENT fetches replies and pictures.
    explicit BrowserController(std::unique_ptr<HttpClient> client, QObject *parent = nullptr);
    ~BrowserController() override;

    void setAlerts(Alerts *alerts) { m_alerts = alerts; }

    const QString &searchString() const { return m_searchString; }
    void setSearchString(const QString &text);

    // Runs a whole search for the search text, blocking until it ends. On a
    // failed search request the previous results stay. True when the search
    // request itself succeeded.
    bool searchDiscogs();

    const std::vector<std::unique_ptr<Release>> &releases() const { return m_releases; }
    const std::vector<std::shared_ptr<Cover>> &covers() const { return m_covers; }
    // The release of the selected cover, or null.
    Release *currentRelease() const;
    // The selected cover, or null.
    Cover *selectedCover() const;
    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);

    // "N search results, M covers" and its variants.
    QString statusMessage() const;
    const QString &progressMessage() const { return m_progressMessage; }
    // Whether the progress indicator runs (after a failure the text stays, the indicator stops).
    bool isBusy() const { return m_busy; }

    // The results table: one row per title of the current release.
    int numberOfRows() const;
    // The row number counted from 1.
    QString trackText(int row) const;
    QString titleText(int row) const;
    int flagAt(int row) const;
    QString artistText() const;
    // A click on a title's check box: 1 becomes 0, anything else 1.
    void toggleFlag(int row);
    void checkAll();
    void uncheckAll();
    // Hands the selected cover to whoever applies releases (applyCoverRequested).
    void applySearchResultsToSongs();

    // The addresses of the two requests under the service root RELEASE_DATABASE_ROOT.
    QUrl searchURL(const QString &text) const;
    QUrl releaseURL(const QString &releaseId) const;

Q_SIGNALS:
    void releasesChanged();
    void coversChanged();
    void statusMessageChanged();
    void progressChanged();
    void selectedIndexChanged();
    // The table must be drawn again (its flags or rows changed).
    void tableChanged();
    void applyCoverRequested(Cover *cover);

private:
    void showProgressBar(const QString &message);
    void setAllFlags(int flag);
    bool validateObject(bool present, const QString &error);
    void processReleaseItems(const ReleaseReply::SearchResults &results);
    std::unique_ptr<Release> processRelease(const QString &releaseId);
    void addCoverWithImage(const QByteArray &imageData, const QString &imageUID, Release &release);
    QByteArray fetchPicture(const QString &address) const;

    std::unique_ptr<HttpClient> m_client;
    Alerts *m_alerts = nullptr;
    QString m_searchString = QStringLiteral("");
    std::vector<std::unique_ptr<Release>> m_releases;
    std::vector<std::shared_ptr<Cover>> m_covers;
    int m_selectedIndex = 0;
    QString m_progressMessage = QStringLiteral("");
    bool m_busy = false;
};
