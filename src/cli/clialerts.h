#pragma once

#include "app/alerts.h"

// Alerts without a display: printed to stderr, answered without asking.
// "Show Details" is always chosen, so the details are printed too; any other
// question is answered with its default button unless the command was told
// to go on (--yes), which chooses the alternate one ("Continue").
class CliAlerts : public Alerts
{
public:
    void setGoOn(bool goOn) { m_goOn = goOn; }

    int runAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                      const QString &alternateButton, const QString &otherButton) override;
    int runInformationalAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                                   const QString &alternateButton, const QString &otherButton) override;

private:
    bool m_goOn = false;
};
