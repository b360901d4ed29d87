#include "scriptedalerts.h"

int ScriptedAlerts::record(Shown entry, const QString &defaultButton, const QString &alternateButton,
                           const QString &otherButton)
{
    for (const QString &button : {defaultButton, alternateButton, otherButton}) {
        if (!button.isNull())
            entry.buttons.append(button);
    }
    shown.append(entry);
    return answers.isEmpty() ? 1 : answers.takeFirst();
}

int ScriptedAlerts::runAlertPanel(const QString &title, const QString &message, const QString &defaultButton,
                                  const QString &alternateButton, const QString &otherButton)
{
    return record({title, message, {}, false}, defaultButton, alternateButton, otherButton);
}

int ScriptedAlerts::runInformationalAlertPanel(const QString &title, const QString &message,
                                               const QString &defaultButton, const QString &alternateButton,
                                               const QString &otherButton)
{
    return record({title, message, {}, true}, defaultButton, alternateButton, otherButton);
}
