#include "songlistwindow.h"

#include "app/editorcontroller.h"
#include "model/song.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableWidget>

SongListWindow::SongListWindow(EditorController &controller, QWidget *parent)
    : QMainWindow(parent)
    , m_controller(controller)
    , m_table(new QTableWidget(0, 9, this))
    , m_status(new QLabel(this))
    , m_progress(new QProgressBar(this))
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
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_progress);
    m_progress->setMaximumWidth(200);
    m_progress->hide();

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Add Files..."), QKeySequence::Open, this, &SongListWindow::addFiles);
    file->addAction(tr("Add &Folder..."), QKeySequence(tr("Ctrl+Shift+O")), this, &SongListWindow::addFolder);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QApplication::quit);

    connect(&m_controller, &EditorController::songsChanged, this, &SongListWindow::fillTable);
    connect(&m_controller, &EditorController::statusMessageChanged, this,
            [this] { m_status->setText(m_controller.statusMessage()); });
    connect(&m_controller, &EditorController::progressValueChanged, this, &SongListWindow::showProgress);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        QList<int> rows;
        for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
            rows.append(index.row());
        m_controller.setSelectionIndexes(rows);
    });
    m_status->setText(m_controller.statusMessage());
    resize(1000, 600);
}

void SongListWindow::addFiles()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Add"), QString(), tr("Music files (*.mp3 *.mp4 *.m4a *.MP3 *.MP4 *.M4A)"));
    if (!files.isEmpty())
        m_controller.traverseFiles(files);
}

void SongListWindow::addFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add"));
    if (!folder.isEmpty())
        m_controller.traverseFiles({folder});
}

void SongListWindow::showProgress(int done, int total)
{
    m_progress->setVisible(done < total);
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    // Reading blocks the event loop; let the bar and message be drawn.
    if (done % 25 == 0 || done == total)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SongListWindow::fillTable()
{
    m_table->setRowCount(0);
    m_table->setRowCount(m_controller.count());
    for (int row = 0; row < m_controller.count(); ++row) {
        const Song &song = *m_controller.songAt(row);
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
}
