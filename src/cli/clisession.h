#pragma once

#include "app/editorcontroller.h"
#include "clialerts.h"

#include <QString>
#include <QStringList>

// What every command of korvan-cli shares: the gathered songs as the song
// list, all of them selected, and the ending (print or save).
class CliSession
{
public:
    static constexpr int ExitDone = 0;
    static constexpr int ExitFailed = 1;
    static constexpr int ExitUsage = 2;

    CliSession();

    // Gathers PATHS as adding them in the editor does. A path that holds no
    // music file is a usage error (false, with ERROR set); nothing is read then.
    bool load(const QStringList &paths, QString &error);
    EditorController &controller() { return m_controller; }
    CliAlerts &alerts() { return m_alerts; }

    // Prints every song as a JSON line.
    void printSongs() const;
    // With DRY_RUN prints the songs; otherwise saves them. The exit status.
    int finish(bool dryRun);

    // Prints "korvan-cli: MESSAGE" to stderr and returns ExitUsage.
    static int usageError(const QString &message);

private:
    EditorController m_controller;
    CliAlerts m_alerts;
};
