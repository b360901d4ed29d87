#pragma once

#include <QList>
#include <QObject>

class EditorController;
class Song;

// The preview of the selected songs: the space bar in the song table opens
// and closes it, and while it is open it follows the selection.
class QuickLook : public QObject
{
    Q_OBJECT
public:
    explicit QuickLook(EditorController &controller, QObject *parent = nullptr);

    bool isVisible() const { return m_visible; }
    // Nothing with no song selected and the preview closed; closes an open
    // preview; otherwise opens it on the selected songs.
    void toggleQuickLook();
    void close();
    // The songs to preview: the selected ones, in list order.
    QList<Song *> items() const;

Q_SIGNALS:
    void visibleChanged(bool visible);
    // The preview must show items() again.
    void itemsChanged();

private:
    void updateQuickLook();

    EditorController &m_controller;
    bool m_visible = false;
};
