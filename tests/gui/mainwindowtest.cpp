#include "mainwindow.h"
#include "app/settings.h"
#include "browsertablemodel.h"
#include "controllers.h"
#include "model/song.h"
#include "previewwindow.h"
#include "releaseserver.h"
#include "testsupport.h"
#include "ui_MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

class MainWindowTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        controllers = std::make_unique<Controllers>(tempPath(QStringLiteral("cache")));
        window = std::make_unique<MainWindow>(*controllers);
        window->resize(1200, 760);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        // Nothing to save: no question at the end of a test.
        for (const auto &song : controllers->editor.songs())
            song->resetModifications();
        window.reset();
        controllers.reset();
        KorvanTest::TearDown();
    }
    Ui::MainWindow &ui() { return window->ui(); }
    // Drags MIME onto the song table's viewport and drops it at POINT, as a
    // file manager does (it allows copying, moving and linking).
    bool drop(QMimeData &mime, const QPoint &point)
    {
        const Qt::DropActions actions = Qt::LinkAction | Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(point, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ui().tableView->viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(point), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ui().tableView->viewport(), &event);
        return event.isAccepted();
    }
    // Adds N songs s0.mp3... by dropping their folder on the table.
    void addByDrop(int n)
    {
        for (int i = 0; i < n; ++i)
            makeSongFile(QStringLiteral("music/s%1.mp3").arg(i));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(tempPath(QStringLiteral("music")))});
        ASSERT_TRUE(drop(mime, QPoint(10, 10)));
    }
    void selectRows(const QList<int> &rows)
    {
        ui().tableView->clearSelection();
        for (int row : rows)
            ui().tableView->selectionModel()->select(ui().tableView->model()->index(row, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    Song &song(int row) { return *controllers->editor.songAt(row); }

    std::unique_ptr<Controllers> controllers;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, DroppedFolderAddsSongsAndHidesTheHint)
{
    QLabel *hint = ui().tableView->viewport()->findChild<QLabel *>(QStringLiteral("dragHereLabel"));
    ASSERT_TRUE(hint);
    EXPECT_TRUE(hint->isVisible());
    addByDrop(3);
    EXPECT_EQ(ui().tableView->model()->rowCount(), 3);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(window->statusBar()->findChildren<QLabel *>().first()->text(),
              QStringLiteral("3 songs loaded, 0 selected"));

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(makeSongFile(QStringLiteral("notes.txt")))});
    EXPECT_FALSE(drop(text, QPoint(10, 10)));
}

TEST_F(MainWindowTest, FieldsShowTheSelectionAndCommitToEverySelectedSong)
{
    addByDrop(3);
    song(0).setArtist(QStringLiteral("Ann"));
    song(1).setArtist(QStringLiteral("Bo"));
    song(0).setAlbum(QStringLiteral("Mix"));
    song(1).setAlbum(QStringLiteral("Mix"));
    selectRows({0, 1});
    QCoreApplication::processEvents();
    QComboBox *artist = ui().artistDropDown;
    EXPECT_EQ(artist->currentText(), QStringLiteral(""));
    EXPECT_EQ(artist->lineEdit()->placeholderText(), QStringLiteral("Multiple values"));
    QStringList offered;
    for (int i = 0; i < artist->count(); ++i)
        offered.append(artist->itemText(i));
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Ann"), QStringLiteral("Bo")}));
    EXPECT_EQ(ui().albumDropDown->currentText(), QStringLiteral("Mix"));

    // Leaving the artist field untouched changes nothing.
    artist->lineEdit()->setFocus();
    QLineEdit *title = ui().titleDropDown->lineEdit();
    title->setFocus();
    QTest::keyClicks(title, QStringLiteral("New Title"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(song(0).title(), QStringLiteral("New Title"));
    EXPECT_EQ(song(1).title(), QStringLiteral("New Title"));
    EXPECT_EQ(song(2).title(), QStringLiteral(""));
    EXPECT_EQ(song(0).artist(), QStringLiteral("Ann"));
    EXPECT_EQ(song(1).artist(), QStringLiteral("Bo"));
}

TEST_F(MainWindowTest, RowsMoveByDragAndSortByHeader)
{
    addByDrop(4);
    const char *tracks[] = {"10", "9", "1", "2"};
    for (int i = 0; i < 4; ++i)
        song(i).setTrack(QString::fromLatin1(tracks[i]));
    std::unique_ptr<QMimeData> rows(TableDataSource::writeRows({3}));
    SongTableView *table = ui().tableView;
    EXPECT_TRUE(drop(*rows, table->visualRect(table->model()->index(0, 1)).center()));
    EXPECT_EQ(fileNames(controllers->editor).join(u' '), QStringLiteral("s3.mp3 s0.mp3 s1.mp3 s2.mp3"));

    QHeaderView *header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, 5));
    QStringList sorted;
    for (const auto &s : controllers->editor.songs())
        sorted.append(s->track());
    EXPECT_EQ(sorted, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("9"),
                                   QStringLiteral("10")}));
    EXPECT_TRUE(header->isSortIndicatorShown());
    addByDrop(0);
    EXPECT_FALSE(header->isSortIndicatorShown()) << "adding songs ends the sorted order";
}

TEST_F(MainWindowTest, ImageWellStepsAndPreviewOpensWithSpace)
{
    addByDrop(2);
    const QByteArray png = TestSupport::readBytes(TestSupport::dataPath(QStringLiteral("cover.png")));
    const QByteArray jpeg = TestSupport::readBytes(TestSupport::dataPath(QStringLiteral("cover.jpg")));
    song(0).addImage(png);
    song(0).addImage(jpeg);
    selectRows({0});
    EXPECT_EQ(ui().imageStatusLabel->text(), QStringLiteral("2 images"));
    EXPECT_EQ(controllers->images.leadImageCursor(), 0);
    QTest::mouseClick(ui().nextImageButton, Qt::LeftButton);
    EXPECT_EQ(controllers->images.leadImageCursor(), 1);
    QTest::mouseClick(ui().nextImageButton, Qt::LeftButton);
    EXPECT_EQ(controllers->images.leadImageCursor(), 0);

    ui().tableView->setFocus();
    QTest::keyClick(ui().tableView, Qt::Key_Space);
    ASSERT_TRUE(window->previewWindow()->isVisible());
    QTest::keyClick(ui().tableView, Qt::Key_Space);
    EXPECT_FALSE(window->previewWindow()->isVisible());
}

TEST_F(MainWindowTest, BrowserSearchesAndTogglesChecks)
{
    ReleaseServer server;
    server.serveFixtures();
    Settings::setString(SettingsKeys::RELEASE_DATABASE_ROOT, server.root());
    addByDrop(2);
    song(1).setArtist(QStringLiteral("The Examples"));
    song(1).setAlbum(QStringLiteral("Northern Lights"));
    selectRows({1});

    QTest::mouseClick(ui().browserSegment, Qt::LeftButton);
    EXPECT_EQ(ui().box->currentWidget(), ui().browser);
    EXPECT_EQ(ui().searchField->text(), QStringLiteral("The Examples Northern Lights"));
    EXPECT_FALSE(controllers->views.isEditorVisible());

    QTest::keyClick(ui().searchField, Qt::Key_Return);
    EXPECT_EQ(ui().browserStatusLabel->text(), QStringLiteral("2 search results, 4 covers"));
    BrowserTableView *table = ui().browserTable;
    ASSERT_EQ(table->model()->rowCount(), 3);
    const QRect cell = table->visualRect(table->model()->index(1, BrowserTableModel::TitleColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 12, cell.center().y()));
    EXPECT_EQ(controllers->browser.flagAt(1), 0);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 12, cell.center().y()));
    EXPECT_EQ(controllers->browser.flagAt(1), 1);

    QTest::mouseClick(ui().editorSegment, Qt::LeftButton);
    EXPECT_EQ(ui().box->currentWidget(), ui().editor);
    EXPECT_TRUE(controllers->views.isEditorVisible());
}

TEST_F(MainWindowTest, PreferencesStoreWhatTheyShow)
{
    QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+,")));
    auto *preferences = window->findChild<QDialog *>();
    ASSERT_TRUE(preferences);
    EXPECT_TRUE(preferences->isVisible());
    auto *cdsOnly = preferences->findChild<QCheckBox *>(QStringLiteral("cdsOnlyBox"));
    ASSERT_TRUE(cdsOnly);
    EXPECT_TRUE(cdsOnly->isChecked());
    cdsOnly->click();
    EXPECT_FALSE(Settings::boolForKey(SettingsKeys::SEARCH_FOR_CDS_ONLY));
    auto *leadingZero = preferences->findChild<QCheckBox *>(QStringLiteral("leadingZeroBox"));
    leadingZero->click();
    EXPECT_FALSE(ui().leadingZeroButton->isChecked()) << "the numbering panel follows";
    EXPECT_FALSE(controllers->numbering.leadingZero());

    auto *root = preferences->findChild<QLineEdit *>(QStringLiteral("rootEdit"));
    root->setText(QStringLiteral("file:///etc"));
    Q_EMIT root->editingFinished();
    EXPECT_EQ(Settings::stringForKey(SettingsKeys::RELEASE_DATABASE_ROOT),
              QStringLiteral("https://www.discogs.com/"));
    root->setText(QStringLiteral("http://127.0.0.1:8080"));
    Q_EMIT root->editingFinished();
    EXPECT_EQ(Settings::stringForKey(SettingsKeys::RELEASE_DATABASE_ROOT),
              QStringLiteral("http://127.0.0.1:8080/"));
}
