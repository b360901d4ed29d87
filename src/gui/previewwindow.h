#pragma once

#include <QWidget>

class QuickLook;
class QScrollArea;

// The preview of the selected songs: each one's file name, cover and tags.
// It follows the preview's open state and items; keys typed into it go to
// the song table, so the arrow keys move the selection it follows.
class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    PreviewWindow(QuickLook &quickLook, QWidget *keyTarget, QWidget *parent = nullptr);

    // At most this many songs are shown, with a line telling how many more there are.
    static constexpr int MaximumShown = 100;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showItems();
    QWidget *card(const class Song &song);
    // Plays the file at PATH, or stops when it is playing already.
    void togglePlayback(const QString &path, class QToolButton *button);
    void stopPlayback();

    QuickLook &m_quickLook;
    QWidget *m_keyTarget;
    QScrollArea *m_scroll;
    // Made on the first Play, where Qt Multimedia is installed.
    class QMediaPlayer *m_player = nullptr;
    class QToolButton *m_playing = nullptr;
};
