#pragma once

#include "app/alerts.h"

class QWidget;

// Alerts as message boxes, modal to the main window.
class MessageBoxAlerts : public Alerts
{
public:
    explicit MessageBoxAlerts(QWidget *parent);

    int runAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                      const QString &alternateButton, const QString &otherButton) override;
    int runInformationalAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                                   const QString &alternateButton, const QString &otherButton) override;

private:
    int run(bool informational, const QString &title, const QString &message, const QString &defaultButton,
            const QString &alternateButton, const QString &otherButton);

    QWidget *m_parent;
};
