#pragma once

#include "app/alerts.h"

// Alerts without a display: printed to stderr, answered without asking.
// Where an alert offers a second button ("Show Details"), it is chosen, so
// the details are printed too.
class CliAlerts : public Alerts
{
public:
    int runAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                      const QString &alternateButton, const QString &otherButton) override;
    int runInformationalAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                                   const QString &alternateButton, const QString &otherButton) override;
};
