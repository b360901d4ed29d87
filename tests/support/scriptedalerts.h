#pragma once

#include "app/alerts.h"

#include <QList>
#include <QStringList>

// Alerts answered from a script, remembering what was shown.
class ScriptedAlerts : public Alerts
{
public:
    struct Shown
    {
        QString title, message;
        QStringList buttons; // default, alternate, other; absent ones left out
        bool informational = false;
    };

    // Answers to give, in order; when they run out, 1 (the default button).
    QList<int> answers;
    QList<Shown> shown;

    int runAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                      const QString &alternateButton, const QString &otherButton) override;
    int runInformationalAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                                   const QString &alternateButton, const QString &otherButton) override;

private:
    int record(Shown shown, const QString &defaultButton, const QString &alternateButton,
               const QString &otherButton);
};
