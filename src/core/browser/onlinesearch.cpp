#include "onlinesearch.h"

#include "app/alerts.h"
#include "app/editorcontroller.h"
#include "app/settings.h"
#include "batch/allinonecontroller.h"
#include "browser/browsercontroller.h"
#include "browser/queryescaping.h"
#include "images/imagecontroller.h"
#include "model/cover.h"
#include "model/release.h"
#include "model/song.h"

#include <QDesktopServices>
#include <QTimer>

const QString OnlineSearch::StoreRoot = QStringLiteral("https://www.amazon.com/");

OnlineSearch::OnlineSearch(EditorController &editor, ImageController &images, BrowserController &browser,
                           AllInOneController &allInOne, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_images(images)
    , m_browser(browser)
    , m_allInOne(allInOne)
    , m_openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    connect(&m_browser, &BrowserController::applyCoverRequested, this,
            [this](Cover *cover) { applyCoverWithReleaseToSelection(*cover); });
}

QString OnlineSearch::queryString() const
{
    const QList<Song *> selected = m_editor.selectedSongs();
    if (selected.isEmpty())
        return QStringLiteral("");
    return selected.first()->artist() + u' ' + selected.first()->album();
}

void OnlineSearch::searchInDiscogs()
{
    m_browser.setSearchString(queryString());
    Q_EMIT browserRequested();
    QTimer::singleShot(100, &m_browser, [this] { m_browser.searchDiscogs(); });
}

QUrl OnlineSearch::amazonURL() const
{
    const QList<Song *> selected = m_editor.selectedSongs();
    if (selected.isEmpty())
        return QUrl();
    const Song &song = *selected.first();
    // The parts are escaped one by one; the "+" between them is the store's word separator.
    QByteArray keywords = QueryEscaping::escaped(song.artist());
    const QString second = !song.album().isNull() ? song.album() : song.title();
    if (!second.isNull())
        keywords += '+' + QueryEscaping::escaped(second);
    return QUrl::fromEncoded(StoreRoot.toUtf8() + "s?url=search-alias%3Daps&field-keywords=" + keywords);
}

void OnlineSearch::searchInAmazon()
{
    const QUrl url = amazonURL();
    if (!url.isEmpty())
        m_openUrl(url);
}

void OnlineSearch::applyCoverWithReleaseToSelection(const Cover &cover)
{
    const Release *release = cover.rel();
    if (!release)
        return;
    const QList<Song *> songs = m_editor.selectedSongs();
    const QStringList titles = release->checkedTitles();
    const qsizetype n = songs.size();
    const qsizetype k = titles.size();
    if (n != k && m_editor.alerts()) {
        const QString message =
            n < k
                ? tr("The number of songs selected in the editor is less than the number of checked titles.")
                : tr("The number of songs selected in the editor is greater than the number of checked "
                     "titles.");
        const int answer = m_editor.alerts()->runAlertPanel(
            tr("Are you sure you want to continue copying the selected album information?"), message,
            tr("Cancel"), tr("Continue"), QString());
        if (answer != 0)
            return;
    }
    const qsizetype m = std::min(n, k);
    if (!cover.isPlaceholder() && cover.hasImage())
        m_images.addImageWithData(cover.imageData());
    for (qsizetype i = 0; i < m; ++i) {
        Song &song = *songs.at(i);
        song.setArtist(release->artist());
        song.setAlbum(release->album());
        song.setGenre(release->genre());
        song.setYear(release->year());
        song.setTitle(titles.at(i));
        song.setTrack(QString::number(i + 1));
    }
    if (Settings::boolForKey(SettingsKeys::ALL_IN_ONE_AFTER_APPLY))
        m_allInOne.doAllInOne();
}
