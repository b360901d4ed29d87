#include "clisession.h"

#include "model/song.h"
#include "songjson.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

CliSession::CliSession()
{
    m_controller.setAlerts(&m_alerts);
}

bool CliSession::load(const QStringList &paths, QString &error)
{
    if (paths.isEmpty()) {
        error = QStringLiteral("no path given");
        return false;
    }
    QStringList absolute;
    for (const QString &path : paths) {
        QStringList found;
        const QString full = QFileInfo(path).absoluteFilePath();
        m_controller.traverseFile(full, found);
        if (found.isEmpty()) {
            error = QStringLiteral("no music file found at %1").arg(path);
            return false;
        }
        absolute.append(full);
    }
    m_controller.traverseFiles(absolute);
    QList<int> all;
    for (int row = 0; row < m_controller.count(); ++row)
        all.append(row);
    m_controller.setSelectionIndexes(all);
    return true;
}

void CliSession::printSongs() const
{
    for (const auto &song : m_controller.songs()) {
        const QByteArray line = songJson(*song) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    std::fflush(stdout);
}

int CliSession::finish(bool dryRun)
{
    if (dryRun) {
        printSongs();
        return ExitDone;
    }
    return m_controller.saveSongs() ? ExitDone : ExitFailed;
}

int CliSession::usageError(const QString &message)
{
    QTextStream(stderr) << "korvan-cli: " << message << '\n';
    return ExitUsage;
}
