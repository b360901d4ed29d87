#include "songlistwindow.h"

#include "app/filegatherer.h"
#include "model/song.h"
#include "tags/tagsreader.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>

SongListWindow::SongListWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_table(new QTableWidget(0, 9, this))
    , m_reader(std::make_unique<TagsReader>())
{
    setWindowTitle(QStringLiteral("Korvan"));
    m_table->setHorizontalHeaderLabels({tr("Track"), tr("Title"), tr("Artist"), tr("Album Artist"),
                                        tr("Album"), tr("Genre"), tr("Year"), tr("Comment"),
                                        tr("File Name")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    setCentralWidget(m_table);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Add Files..."), QKeySequence::Open, this, &SongListWindow::addFiles);
    file->addAction(tr("Add &Folder..."), QKeySequence(tr("Ctrl+Shift+O")), this, &SongListWindow::addFolder);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QApplication::quit);
    statusBar()->showMessage(tr("Add music files with File > Add Files..."));
    resize(1000, 600);
}

SongListWindow::~SongListWindow() = default;

void SongListWindow::addFiles()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Add Files"), QString(), tr("Music files (*.mp3 *.mp4 *.m4a *.MP3 *.MP4 *.M4A)"));
    addPaths(files);
}

void SongListWindow::addFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add Folder"));
    if (!folder.isEmpty())
        addPaths({folder});
}

void SongListWindow::addPaths(const QStringList &paths)
{
    const QStringList files = FileGatherer().musicFiles(paths);
    statusBar()->showMessage(tr("Reading..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const QString &path : files) {
        if (std::unique_ptr<Song> song = m_reader->parseFile(path)) {
            appendRow(*song);
            m_songs.push_back(std::move(song));
        }
    }
    QApplication::restoreOverrideCursor();
    statusBar()->showMessage(tr("%n song(s)", nullptr, int(m_songs.size())));
}

void SongListWindow::appendRow(const Song &song)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const QStringList cells = {song.track(),
                               song.title(),
                               song.artist(),
                               song.albumArtist(),
                               song.album(),
                               song.genre(),
                               song.year() ? QString::number(song.year()) : QString(),
                               song.comment(),
                               song.fileName()};
    for (int column = 0; column < cells.size(); ++column)
        m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
}
