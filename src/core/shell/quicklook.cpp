#include "quicklook.h"

#include "app/editorcontroller.h"

QuickLook::QuickLook(EditorController &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    connect(&m_controller, &EditorController::selectionChanged, this, [this] {
        if (m_visible)
            updateQuickLook();
    });
}

QList<Song *> QuickLook::items() const
{
    return m_controller.selectedSongs();
}

void QuickLook::toggleQuickLook()
{
    if (m_visible)
        close();
    else if (m_controller.selectionIndex() != EditorController::NotFound)
        updateQuickLook();
}

void QuickLook::updateQuickLook()
{
    Q_EMIT itemsChanged();
    if (!m_visible) {
        m_visible = true;
        Q_EMIT visibleChanged(true);
    }
}

void QuickLook::close()
{
    if (!m_visible)
        return;
    m_visible = false;
    Q_EMIT visibleChanged(false);
}
