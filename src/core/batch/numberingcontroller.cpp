#include "numberingcontroller.h"

#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"

NumberingController::NumberingController(EditorController &controller)
    : m_controller(controller)
    , m_leadingZero(Settings::boolForKey(SettingsKeys::NUMBERING_LEADING_ZERO))
    , m_trackCount(Settings::boolForKey(SettingsKeys::NUMBERING_TRACK_COUNT))
{}

void NumberingController::applyNumberingToSongs()
{
    const QList<Song *> songs = m_controller.selectedSongs();
    const qsizetype n = songs.size();
    QString suffix = QStringLiteral("");
    if (m_trackCount)
        suffix = (m_leadingZero && n <= 9 ? QStringLiteral("/0%1") : QStringLiteral("/%1")).arg(n);
    for (qsizetype i = 1; i <= n; ++i) {
        const QString format = m_leadingZero && i <= 9 ? QStringLiteral("0%1%2") : QStringLiteral("%1%2");
        songs.at(i - 1)->setTrack(format.arg(i).arg(suffix));
    }
}
