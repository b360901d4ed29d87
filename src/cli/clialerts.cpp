#include "clialerts.h"

#include <QTextStream>

int CliAlerts::runAlertPanel(const QString &title, const QString &message, const QString &,
                             const QString &alternateButton, const QString &)
{
    QTextStream err(stderr);
    err << title << '\n' << message;
    if (!message.endsWith(u'\n'))
        err << '\n';
    return alternateButton.isNull() ? 1 : 0;
}

int CliAlerts::runInformationalAlertPanel(const QString &title, const QString &message,
                                          const QString &defaultButton, const QString &alternateButton,
                                          const QString &otherButton)
{
    return runAlertPanel(title, message, defaultButton, alternateButton, otherButton);
}
