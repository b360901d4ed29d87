#pragma once

#include <QString>

// Modal alerts, as the core asks for them. The desktop shows message boxes,
// tests script the answers, the command line prints and answers by policy.
// A null QString stands for a button that is not shown.
class Alerts
{
public:
    virtual ~Alerts() = default;

    // A warning with up to three buttons. Returns 1 for the default button,
    // 0 for the alternate one and -1 for the other one.
    virtual int runAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                              const QString &alternateButton, const QString &otherButton) = 0;
    // The same as information rather than warning.
    virtual int runInformationalAlertPanel(const QString &title, const QString &message,
                                           const QString &defaultButton, const QString &alternateButton,
                                           const QString &otherButton) = 0;

    // A failure alert with "OK" and "Show Details"; the latter shows DETAILS
    // (taken literally) in a second alert titled "Error Details:".
    void runFailureAlert(const QString &title, const QString &message, const QString &details);
};
