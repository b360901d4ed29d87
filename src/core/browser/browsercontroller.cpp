#include "browsercontroller.h"

#include "app/alerts.h"
#include "app/pathnames.h"
#include "app/settings.h"
#include "browser/httpclient.h"
#include "browser/queryescaping.h"
#include "browser/releasereply.h"
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
    const std::optional<ReleaseReply::SearchResults> results = ReleaseReply::readSearch(reply.body);
    if (!validateObject(results.has_value(), tr("The reply of the search is not XML that can be read.")))
        return false;

    m_releases.clear();
    m_covers.clear();
    processReleaseItems(*results);
    m_selectedIndex = 0;
    Q_EMIT releasesChanged();
    Q_EMIT coversChanged();
    Q_EMIT statusMessageChanged();
    Q_EMIT selectedIndexChanged();
    Q_EMIT tableChanged();
    showProgressBar(QString());
    return true;
}

void BrowserController::processReleaseItems(const ReleaseReply::SearchResults &results)
{
    const int count = int(results.releaseAddresses.size());
    for (int i = 0; i < count; ++i) {
        showProgressBar(tr("Processing result %1 of %2 (%3 filtered)...")
                            .arg(i + 1)
                            .arg(count)
                            .arg(results.numberOfResults - count));
        const QString &address = results.releaseAddresses.at(i);
        if (address.isNull())
            continue;
        if (std::unique_ptr<Release> release = processRelease(PathNames::lastPathComponent(address)))
            m_releases.push_back(std::move(release));
    }
}

std::unique_ptr<Release> BrowserController::processRelease(const QString &releaseId)
{
    using Outcome = ReleaseReply::ReleaseData::Outcome;
    const HttpClient::Reply reply = m_client->get(releaseURL(releaseId));
    if (!validateObject(reply.ok, reply.error))
        return nullptr;
    const ReleaseReply::ReleaseData data =
        ReleaseReply::readRelease(reply.body, Settings::boolForKey(SettingsKeys::SEARCH_FOR_CDS_ONLY));
    switch (data.outcome) {
    case Outcome::NotACd:
        return nullptr;
    case Outcome::NotXml:
        validateObject(false, tr("The reply for release %1 is not XML.").arg(releaseId));
        return nullptr;
    case Outcome::TracksUnreadable:
    case Outcome::ImagesUnreadable:
        validateObject(false, tr("The reply for release %1 could not be read.").arg(releaseId));
        return nullptr;
    case Outcome::Read:
        break;
    }
    auto release = std::make_unique<Release>();
    release->setAlbum(data.album);
    release->setArtist(data.artist);
    release->setGenre(data.genre);
    release->setYear(data.year);
    for (const QString &title : data.titles) {
        release->addTitle(title);
        release->addFlag(1);
    }
    for (const QString &address : data.imageAddresses)
        addCoverWithImage(fetchPicture(address), address, *release);
    if (!data.listsImages)
        addCoverWithImage(QByteArray(), Cover::NoImageAvailable, *release);
    return release;
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

void BrowserController::setAllFlags(int flag)
{
    Release *release = currentRelease();
    if (!release)
        return;
    for (qsizetype i = 0; i < release->countOfFlags(); ++i)
        release->replaceObjectInFlagsAtIndex(i, flag);
    Q_EMIT tableChanged();
}

void BrowserController::checkAll()
{
    setAllFlags(1);
}

void BrowserController::uncheckAll()
{
    setAllFlags(0);
}

void BrowserController::applySearchResultsToSongs()
{
    if (Cover *cover = selectedCover())
        Q_EMIT applyCoverRequested(cover);
}
