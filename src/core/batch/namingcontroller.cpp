#include "namingcontroller.h"

#include "app/alerts.h"
#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"

#include <QObject>

using namespace SettingsKeys;

namespace {

const std::initializer_list<const char *> schemeKeys = {NAMING_ARTIST_AND_TITLE, NAMING_TRACK_AND_TITLE,
                                                        NAMING_TRACK_ARTIST_AND_TITLE};

bool missing(const QString &field)
{
    return field.isNull() || field.isEmpty();
}

// "• NAME missed track and artist information \n", naming what was missing.
QString skippedLine(const Song &song, const QStringList &missingFields)
{
    QString fields = missingFields.last();
    if (missingFields.size() > 1) {
        fields = QStringList(missingFields.mid(0, missingFields.size() - 1)).join(QStringLiteral(", ")) +
                 QStringLiteral(" and ") + missingFields.last();
    }
    return QStringLiteral("\u2022 %1 missed %2 information \n").arg(song.fileName(), fields);
}

} // namespace

NamingController::NamingController(EditorController &controller)
    : m_controller(controller)
{}

void NamingController::selectArtistAndTitle()
{
    Settings::setExclusive(schemeKeys, 0);
}

void NamingController::selectTrackAndTitle()
{
    Settings::setExclusive(schemeKeys, 1);
}

void NamingController::selectTrackArtistAndTitle()
{
    Settings::setExclusive(schemeKeys, 2);
}

NamingController::Scheme NamingController::chosenScheme()
{
    // The enum follows the keys' order, None before them.
    return Scheme(Settings::firstTrue(schemeKeys) + 1);
}

void NamingController::appendSeparator(QString &name)
{
    name += Settings::boolForKey(NAMING_SEPARATE_BY_HYPHEN) ? QStringLiteral(" - ") : QStringLiteral(" ");
}

QString NamingController::trackNumber(const QString &track)
{
    if (track.startsWith(u'/'))
        return QStringLiteral("/");
    return track.section(u'/', 0, 0);
}

QString NamingController::applyNamingToSongs()
{
    const Scheme scheme = chosenScheme();
    QString report = QStringLiteral("");
    if (scheme == Scheme::None)
        return report;
    const bool needsTrack = scheme != Scheme::ArtistAndTitle;
    const bool needsArtist = scheme != Scheme::TrackAndTitle;
    for (Song *song : m_controller.selectedSongs()) {
        QStringList missingFields;
        if (needsTrack && missing(song->track()))
            missingFields.append(QStringLiteral("track"));
        if (needsArtist && missing(song->artist()))
            missingFields.append(QStringLiteral("artist"));
        if (missing(song->title()))
            missingFields.append(QStringLiteral("title"));
        if (!missingFields.isEmpty()) {
            report += skippedLine(*song, missingFields);
            continue;
        }
        QString name;
        if (needsTrack) {
            name += trackNumber(song->track());
            appendSeparator(name);
        }
        if (needsArtist) {
            name += song->artist();
            appendSeparator(name);
        }
        name += song->title();
        const QString extension = QLatin1Char('.') + song->extension();
        name += Settings::boolForKey(CAPITALIZATION_UPPER_CASE) ? extension.toUpper() : extension.toLower();
        song->setFileName(name);
    }
    if (!report.isEmpty() && m_controller.alerts()) {
        m_controller.alerts()->runFailureAlert(
            QObject::tr("Korvan could not change file names of one or more songs."),
            QObject::tr("Make sure relevant song information is correctly set."), report);
    }
    return report;
}
