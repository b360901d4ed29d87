#include "browsercontroller.h"

#include "app/alerts.h"
#include "app/pathnames.h"
#include "app/settings.h"
#include "app/textvalue.h"
#include "browser/httpclient.h"
#include "browser/queryescaping.h"
#include "browser/xpath.h"
#include "model/cover.h"
#include "model/release.h"

const QString BrowserController::ApiKey = QStringLiteral("3b7e19d04f");

BrowserController::BrowserController(std::unique_ptr<HttpClient> client, QObject *parent)
    : QObject(parent)
    , m_client(std::move(client))
{}

BrowserController::~BrowserController()
{
    // Releases go first, clearing the back references of the covers they hold.
    m_releases.clear();
}

void BrowserController::setSearchString(const QString &text)
{
    m_searchString = text.isNull() ? QStringLiteral("") : text;
}

QUrl BrowserController::searchURL(const QString &text) const
{
    const QString root = Settings::stringForKey(SettingsKeys::RELEASE_DATABASE_ROOT);
    return QUrl::fromEncoded(root.toUtf8() + "search?type=all&q=" + QueryEscaping::escaped(text) +
                             "&f=xml&api_key=" + ApiKey.toLatin1());
}

QUrl BrowserController::releaseURL(const QString &releaseId) const
{
    const QString root = Settings::stringForKey(SettingsKeys::RELEASE_DATABASE_ROOT);
    return QUrl::fromEncoded(root.toUtf8() + "release/" + QueryEscaping::escaped(releaseId) +
                             "?f=xml&api_key=" + ApiKey.toLatin1());
}

void BrowserController::showProgressBar(const QString &message)
{
    m_progressMessage = message.isNull() ? QStringLiteral("") : message;
    m_busy = !message.isNull();
    Q_EMIT progressChanged();
}

bool BrowserController::validateObject(bool present, const QString &error)
{
    if (present)
        return true;
    if (m_alerts) {
        m_alerts->runFailureAlert(tr("Korvan could not query Discogs."),
                                  tr("Make sure you are connected to the Internet."), error);
    }
    m_busy = false;
    Q_EMIT progressChanged();
    return false;
}

bool BrowserController::searchDiscogs()
{
    showProgressBar(tr("Searching..."));
    const HttpClient::Reply reply = m_client->get(searchURL(m_searchString));
    if (!validateObject(reply.ok, reply.error))
        return false;
    pugi::xml_document document;
    if (!validateObject(XPath::load(document, reply.body), tr("The reply of the search is not XML.")))
        return false;
    const std::optional<pugi::xpath_node_set> results =
        XPath::nodes(document, "resp/searchresults/result[@type='release']");
    if (!validateObject(results.has_value(), tr("The reply of the search could not be read.")))
        return false;
    const int numberOfResults =
        integerValue(XPath::stringForXPath("resp/searchresults/@numResults", document, QStringLiteral("0")));

    m_releases.clear();
    m_covers.clear();
    processReleaseItems(*results, numberOfResults);
    m_selectedIndex = 0;
    Q_EMIT releasesChanged();
    Q_EMIT coversChanged();
    Q_EMIT statusMessageChanged();
    Q_EMIT selectedIndexChanged();
    Q_EMIT tableChanged();
    showProgressBar(QString());
    return true;
}

void BrowserController::processReleaseItems(const pugi::xpath_node_set &results, int numberOfResults)
{
    const int count = int(results.size());
    for (int i = 0; i < count; ++i) {
        showProgressBar(tr("Processing result %1 of %2 (%3 filtered)...")
                            .arg(i + 1)
                            .arg(count)
                            .arg(numberOfResults - count));
        const QString address = XPath::stringForXPath("uri", results[size_t(i)].node(), QString());
        if (address.isNull())
            continue;
        if (std::unique_ptr<Release> release = processRelease(PathNames::lastPathComponent(address)))
            m_releases.push_back(std::move(release));
    }
}

std::unique_ptr<Release> BrowserController::processRelease(const QString &releaseId)
{
    const HttpClient::Reply reply = m_client->get(releaseURL(releaseId));
    if (!validateObject(reply.ok, reply.error))
        return nullptr;
    pugi::xml_document document;
    if (!validateObject(XPath::load(document, reply.body),
                        tr("The reply for release %1 is not XML.").arg(releaseId)))
        return nullptr;
    if (Settings::boolForKey(SettingsKeys::SEARCH_FOR_CDS_ONLY)) {
        const auto formats = XPath::nodes(document, "resp/release/formats/format[@name='CD']");
        if (!formats || formats->empty())
            return nullptr;
    }
    auto release = std::make_unique<Release>();
    const QString empty = QStringLiteral("");
    release->setAlbum(XPath::stringForXPath("resp/release/title", document, empty));
    release->setArtist(XPath::stringForXPath("resp/release/artists/artist/name", document, empty));
    release->setGenre(XPath::stringForXPath("resp/release/genres/genre", document, empty));
    release->setYear(
        integerValue(XPath::stringForXPath("resp/release/released", document, QStringLiteral("0"))));

    const auto tracks = XPath::nodes(document, "resp/release/tracklist/track");
    if (!validateObject(tracks.has_value(), tr("The tracks of release %1 could not be read.").arg(releaseId)))
        return nullptr;
    for (const pugi::xpath_node &track : *tracks) {
        const QString title = XPath::stringForXPath("title", track.node(), QString());
        if (!title.isNull()) {
            release->addTitle(title);
            release->addFlag(1);
        }
    }
    const auto images = XPath::nodes(document, "resp/release/images/image");
    if (!validateObject(images.has_value(), tr("The images of release %1 could not be read.").arg(releaseId)))
        return nullptr;
    processImages(*images, *release);
    if (images->empty())
        addCoverWithImage(QByteArray(), Cover::NoImageAvailable, *release);
    return release;
}

void BrowserController::processImages(const pugi::xpath_node_set &images, Release &release)
{
    for (const pugi::xpath_node &image : images) {
        const QString address = XPath::stringForXPath("@uri", image.node(), QString());
        if (!address.isNull())
            addCoverWithImage(fetchPicture(address), address, release);
    }
}

QByteArray BrowserController::fetchPicture(const QString &address) const
{
    // Only pictures on the web: a reply must not make the editor read local files.
    const QUrl url(address);
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return QByteArray();
    const HttpClient::Reply reply = m_client->get(url);
    return reply.ok ? reply.body : QByteArray();
}

void BrowserController::addCoverWithImage(const QByteArray &imageData, const QString &imageUID,
                                          Release &release)
{
    auto cover = std::make_shared<Cover>(imageData, imageUID);
    release.addCover(cover);
    cover->setRel(&release);
    m_covers.push_back(std::move(cover));
}

Cover *BrowserController::selectedCover() const
{
    if (m_selectedIndex < 0 || size_t(m_selectedIndex) >= m_covers.size())
        return nullptr;
    return m_covers[size_t(m_selectedIndex)].get();
}

Release *BrowserController::currentRelease() const
{
    const Cover *cover = selectedCover();
    return cover ? cover->rel() : nullptr;
}

void BrowserController::setSelectedIndex(int index)
{
    if (index == m_selectedIndex)
        return;
    m_selectedIndex = index;
    Q_EMIT selectedIndexChanged();
    Q_EMIT tableChanged();
}

QString BrowserController::statusMessage() const
{
    const size_t releases = m_releases.size();
    if (releases == 0)
        return tr("No search results available");
    QString message = releases == 1 ? tr("1 search result") : tr("%1 search results").arg(releases);
    const auto real =
        std::count_if(m_covers.begin(), m_covers.end(), [](const auto &c) { return !c->isPlaceholder(); });
    if (m_covers.empty() || (m_covers.size() == 1 && real == 0))
        message += tr(", no covers");
    else if (m_covers.size() == 1)
        message += tr(", 1 cover");
    else
        message += tr(", %1 covers").arg(real);
    return message;
}

int BrowserController::numberOfRows() const
{
    const Release *release = currentRelease();
    return release ? int(release->countOfTitles()) : 0;
}

QString BrowserController::trackText(int row) const
{
    return currentRelease() ? QString::number(row + 1) : QStringLiteral("");
}

QString BrowserController::titleText(int row) const
{
    const Release *release = currentRelease();
    return release && row >= 0 && row < release->countOfTitles() ? release->objectInTitlesAtIndex(row)
                                                                 : QStringLiteral("");
}

int BrowserController::flagAt(int row) const
{
    const Release *release = currentRelease();
    return release && row >= 0 && row < release->countOfFlags() ? release->objectInFlagsAtIndex(row) : 0;
}

QString BrowserController::artistText() const
{
    const Release *release = currentRelease();
    return release ? release->artist() : QStringLiteral("");
}

void BrowserController::toggleFlag(int row)
{
    Release *release = currentRelease();
    if (!release || row < 0 || row >= release->countOfFlags())
        return;
    release->replaceObjectInFlagsAtIndex(row, release->objectInFlagsAtIndex(row) == 1 ? 0 : 1);
    Q_EMIT tableChanged();
}

void BrowserController::checkAll()
{
    Release *release = currentRelease();
    if (!release)
        return;
    for (qsizetype i = 0; i < release->countOfFlags(); ++i)
        release->replaceObjectInFlagsAtIndex(i, 1);
    Q_EMIT tableChanged();
}

void BrowserController::uncheckAll()
{
    Release *release = currentRelease();
    if (!release)
        return;
    for (qsizetype i = 0; i < release->countOfFlags(); ++i)
        release->replaceObjectInFlagsAtIndex(i, 0);
    Q_EMIT tableChanged();
}

void BrowserController::applySearchResultsToSongs()
{
    if (Cover *cover = selectedCover())
        Q_EMIT applyCoverRequested(cover);
}
