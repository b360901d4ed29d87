#include "clialerts.h"

#include <QObject>
#include <QTextStream>

int CliAlerts::runAlertPanel(const QString &title, const QString &message, const QString &,
                             const QString &alternateButton, const QString &)
{
    QTextStream err(stderr);
    err << title << '\n' << message;
    if (!message.endsWith(u'\n'))
        err << '\n';
    if (alternateButton.isNull())
        return 1;
    return alternateButton == QObject::tr("Show Details") || m_goOn ? 0 : 1;
}

int CliAlerts::runInformationalAlertPanel(const QString &title, const QString &message,
                                          const QString &defaultButton, const QString &alternateButton,
                                          const QString &otherButton)
{
    return runAlertPanel(title, message, defaultButton, alternateButton, otherButton);
}
