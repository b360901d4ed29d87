#include "quitquestion.h"

#include "app/alerts.h"
#include "app/editorcontroller.h"

#include <QObject>

QuitQuestion::QuitQuestion(EditorController &controller)
    : m_controller(controller)
{}

QuitQuestion::Reply QuitQuestion::applicationShouldTerminate()
{
    if (!m_controller.hasModifiedSongs())
        return Reply::TerminateNow;
    Alerts *alerts = m_controller.alerts();
    if (!alerts)
        return Reply::TerminateCancel;
    const int answer = alerts->runInformationalAlertPanel(
        QObject::tr("Unsaved Changes"),
        QObject::tr("Do you want to save the changes you made to your songs?"), QObject::tr("Save"),
        QObject::tr("Don't Save"), QObject::tr("Cancel"));
    switch (answer) {
    case 1:
        return m_controller.saveSongs() ? Reply::TerminateNow : Reply::TerminateCancel;
    case 0:
        return Reply::TerminateNow;
    default:
        return Reply::TerminateCancel;
    }
}
