#include "app/tabledatasource.h"
#include "app/editorcontroller.h"
#include "model/song.h"
#include "testsupport.h"

#include <QMimeData>
#include <QUrl>

class TableDataSourceTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        addSongFiles(controller, 6, QStringLiteral("n/%1.mp3"));
    }
    QMimeData *files(const QStringList &names)
    {
        auto *data = new QMimeData;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls.append(QUrl::fromLocalFile(tempPath(name)));
        data->setUrls(urls);
        return data;
    }

    EditorController controller;
    TableDataSource source{controller};
};

TEST_F(TableDataSourceTest, DraggedRowsAreWrittenHighestFirst)
{
    EXPECT_EQ(TableDataSource::writeRows({}), nullptr);
    std::unique_ptr<QMimeData> data(TableDataSource::writeRows({1, 4, 5}));
    ASSERT_TRUE(data);
    EXPECT_EQ(TableDataSource::songSelection(*data),
              (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("1")}));
}

TEST_F(TableDataSourceTest, DroppedRowsMoveToTheDropRow)
{
    std::unique_ptr<QMimeData> data(TableDataSource::writeRows({1, 4}));
    EXPECT_FALSE(source.validateDrop(*data, 3, false).accepted) << "the source must allow linking";
    const auto validation = source.validateDrop(*data, 3, true);
    EXPECT_TRUE(validation.accepted);
    EXPECT_FALSE(validation.onWholeTable);
    EXPECT_TRUE(source.acceptDrop(*data, 3).accepted);
    EXPECT_EQ(fileNames(controller).join(u' '), QStringLiteral("0.mp3 2.mp3 1.mp3 4.mp3 3.mp3 5.mp3"));
}

TEST_F(TableDataSourceTest, DroppedFilesAreCheckedThenAppended)
{
    makeSongFile(QStringLiteral("a.txt"));
    makeSongFile(QStringLiteral("b.jpg"));
    makeSongFile(QStringLiteral("x.M4A"));
    makeSongFile(QStringLiteral("empty/readme.txt"));

    std::unique_ptr<QMimeData> unsupported(
        files({QStringLiteral("a.txt"), QStringLiteral("b.jpg"), QStringLiteral("gone.mp3")}));
    EXPECT_FALSE(source.validateDrop(*unsupported, 0, true).accepted);
    EXPECT_FALSE(source.acceptDrop(*unsupported, 0).accepted);
    EXPECT_EQ(controller.count(), 6);

    std::unique_ptr<QMimeData> folder(files({QStringLiteral("empty")}));
    EXPECT_TRUE(source.validateDrop(*folder, 0, true).accepted) << "a folder, even without music";

    std::unique_ptr<QMimeData> music(files({QStringLiteral("a.txt"), QStringLiteral("x.M4A")}));
    // Rows and files together: the files win.
    std::unique_ptr<QMimeData> rows(TableDataSource::writeRows({0}));
    music->setData(TableDataSource::SongSelectionType, rows->data(TableDataSource::SongSelectionType));
    const auto validation = source.validateDrop(*music, 2, true);
    EXPECT_TRUE(validation.accepted);
    EXPECT_TRUE(validation.onWholeTable);
    EXPECT_TRUE(source.acceptDrop(*music, 2).accepted);
    EXPECT_EQ(controller.count(), 7);
    EXPECT_EQ(controller.songAt(6)->fileName(), QStringLiteral("x.M4A")) << "appended at the end";
    EXPECT_EQ(controller.songAt(0)->fileName(), QStringLiteral("0.mp3")) << "no row was moved";

    QMimeData nothing;
    nothing.setText(QStringLiteral("hello"));
    EXPECT_FALSE(source.validateDrop(nothing, 0, true).accepted);
}
