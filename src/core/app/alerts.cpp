#include "alerts.h"

#include <QObject>

void Alerts::runFailureAlert(const QString &title, const QString &message, const QString &details)
{
    if (runAlertPanel(title, message, QObject::tr("OK"), QObject::tr("Show Details"), QString()) == 0)
        runAlertPanel(QObject::tr("Error Details:"), details, QObject::tr("OK"), QString(), QString());
}
