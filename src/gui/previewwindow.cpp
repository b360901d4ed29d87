#include "previewwindow.h"

#include "model/song.h"
#include "shell/quicklook.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#ifdef KORVAN_HAVE_MULTIMEDIA
#include <QAudioOutput>
#include <QMediaPlayer>
#endif

PreviewWindow::PreviewWindow(QuickLook &quickLook, QWidget *keyTarget, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_quickLook(quickLook)
    , m_keyTarget(keyTarget)
    , m_scroll(new QScrollArea(this))
{
    setWindowTitle(tr("Preview"));
    setObjectName(QStringLiteral("previewWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    resize(460, 560);
    connect(&m_quickLook, &QuickLook::itemsChanged, this, &PreviewWindow::showItems);
    connect(&m_quickLook, &QuickLook::visibleChanged, this, [this](bool visible) {
        if (!visible)
            stopPlayback();
        setVisible(visible);
        if (visible && parentWidget())
            parentWidget()->activateWindow();
    });
}

QWidget *PreviewWindow::card(const Song &song)
{
    auto *card = new QWidget;
    auto *row = new QHBoxLayout(card);
    auto *cover = new QLabel;
    cover->setFixedSize(120, 120);
    cover->setAlignment(Qt::AlignCenter);
    cover->setFrameShape(QFrame::StyledPanel);
    const QImage image = song.countOfImages() ? QImage::fromData(song.objectInImagesAtIndex(0)) : QImage();
    if (image.isNull())
        cover->setText(tr("No cover"));
    else
        cover->setPixmap(
            QPixmap::fromImage(image.scaled(112, 112, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    row->addWidget(cover, 0, Qt::AlignTop);

    auto *details = new QFormLayout;
    details->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto *name = new QLabel(song.fileName());
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->setWordWrap(true);
    name->setToolTip(song.filePath());
#ifdef KORVAN_HAVE_MULTIMEDIA
    auto *play = new QToolButton;
    play->setText(tr("Play"));
    play->setToolTip(tr("Play the file"));
    const QString path = song.filePath();
    connect(play, &QToolButton::clicked, this, [this, path, play] { togglePlayback(path, play); });
    details->addRow(name, play);
#else
    details->addRow(name);
#endif
    const std::pair<QString, QString> rows[] = {
        {tr("Title"), song.title()},
        {tr("Artist"), song.artist()},
        {tr("Album"), song.album()},
        {tr("Track"), song.track()},
        {tr("Year"), song.year() ? QString::number(song.year()) : QString()},
        {tr("Genre"), song.genre()},
    };
    for (const auto &[label, value] : rows) {
        auto *field = new QLabel(value);
        field->setWordWrap(true);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        details->addRow(label, field);
    }
    row->addLayout(details, 1);
    return card;
}

void PreviewWindow::togglePlayback(const QString &path, QToolButton *button)
{
#ifdef KORVAN_HAVE_MULTIMEDIA
    const bool same = m_playing == button;
    stopPlayback();
    if (same)
        return;
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_player->setAudioOutput(new QAudioOutput(m_player));
        connect(m_player, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState state) {
                    if (state == QMediaPlayer::StoppedState && m_playing) {
                        m_playing->setText(tr("Play"));
                        m_playing = nullptr;
                    }
                });
        // No decoder or no sound device: say so on the button instead of pretending to play.
        connect(m_player, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error, const QString &message) {
                    if (!m_playing)
                        return;
                    m_playing->setText(tr("Play"));
                    m_playing->setToolTip(tr("Cannot play this file: %1").arg(message));
                    m_playing = nullptr;
                });
    }
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
    m_playing = button;
    button->setText(tr("Stop"));
#else
    Q_UNUSED(path);
    Q_UNUSED(button);
#endif
}

void PreviewWindow::stopPlayback()
{
#ifdef KORVAN_HAVE_MULTIMEDIA
    if (m_player)
        m_player->stop();
    if (m_playing)
        m_playing->setText(tr("Play"));
    m_playing = nullptr;
#endif
}

void PreviewWindow::showItems()
{
    stopPlayback();
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    const QList<Song *> songs = m_quickLook.items();
    for (qsizetype i = 0; i < songs.size() && i < MaximumShown; ++i)
        column->addWidget(card(*songs.at(i)));
    if (songs.size() > MaximumShown)
        column->addWidget(new QLabel(tr("and %n more", nullptr, int(songs.size() - MaximumShown))));
    if (songs.isEmpty())
        column->addWidget(new QLabel(tr("No song selected")), 0, Qt::AlignCenter);
    column->addStretch(1);
    m_scroll->setWidget(content);
    setWindowTitle(songs.size() == 1 ? songs.first()->fileName()
                                     : tr("Preview of %n songs", nullptr, int(songs.size())));
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_keyTarget)
        QCoreApplication::sendEvent(m_keyTarget, event);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    m_quickLook.close();
    event->accept();
}
