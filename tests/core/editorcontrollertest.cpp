#include "app/editorcontroller.h"
#include "model/song.h"
#include "scriptedalerts.h"
#include "taglibfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QString::fromUtf8(name));
    return result;
}

} // namespace

class EditorControllerTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        QObject::connect(&controller, &EditorController::songsAboutToChange, [this] { ++willChange; });
        QObject::connect(&controller, &EditorController::songsChanged, [this] { ++didChange; });
        QObject::connect(&controller, &EditorController::progressChanged,
                         [this] { progressTexts.append(controller.progressMessage()); });
        QObject::connect(&controller, &EditorController::sortDescriptorsCleared, [this] { ++sortCleared; });
    }

    // Adds the songs 0.mp3 ... (n-1).mp3 and forgets the announcements so far.
    void addNumbered(int n)
    {
        addSongFiles(controller, n, QStringLiteral("n/%1.mp3"));
        willChange = didChange = sortCleared = 0;
        progressTexts.clear();
    }
    QStringList order() const
    {
        QStringList result;
        for (const QString &name : fileNames(controller))
            result.append(name.chopped(4));
        return result;
    }

    EditorController controller;
    int willChange = 0, didChange = 0, sortCleared = 0;
    QStringList progressTexts;
};

TEST_F(EditorControllerTest, GathersFoldersDepthFirstInFileManagerOrder)
{
    makeSongFile(QStringLiteral("m/a.MP3"));
    makeSongFile(QStringLiteral("m/b.txt"));
    makeSongFile(QStringLiteral("m/._c.mp3"));
    makeSongFile(QStringLiteral("m/sub/d.m4a"));
    makeSongFile(QStringLiteral("m/track10.mp3"));
    makeSongFile(QStringLiteral("m/track2.mp4"));
    makeSongFile(QStringLiteral("single.mp3"));
    ASSERT_EQ(mkfifo(QFile::encodeName(tempPath(QStringLiteral("m/pipe.mp3"))).constData(), 0600), 0);

    controller.traverseFiles({tempPath(QStringLiteral("m")), tempPath(QStringLiteral("single.mp3")),
                              tempPath(QStringLiteral("missing.mp3"))});
    EXPECT_EQ(fileNames(controller),
              names({"._c.mp3", "a.MP3", "d.m4a", "track2.mp4", "track10.mp3", "single.mp3"}));
    EXPECT_EQ(willChange, 1);
    EXPECT_EQ(didChange, 1);
    EXPECT_EQ(progressTexts, (QStringList{QStringLiteral("Reading..."), QStringLiteral("")}));
    EXPECT_EQ(sortCleared, 1);
    for (const auto &song : controller.songs())
        EXPECT_FALSE(song->isModified());

    // The same folder again: every song twice, appended at the end.
    controller.traverseFiles({tempPath(QStringLiteral("m"))});
    EXPECT_EQ(controller.count(), 11);
    EXPECT_EQ(controller.songAt(6)->fileName(), QStringLiteral("._c.mp3"));
}

TEST_F(EditorControllerTest, NothingFoundStillShowsProgressAndLeavesSortAlone)
{
    controller.traverseFiles({tempPath(QStringLiteral("nowhere")), QStringLiteral("/dev/null")});
    EXPECT_EQ(controller.count(), 0);
    EXPECT_EQ(progressTexts, (QStringList{QStringLiteral("Reading..."), QStringLiteral("")}));
    EXPECT_EQ(sortCleared, 0);
}

TEST_F(EditorControllerTest, SymbolicLinkLoopsEnd)
{
    makeSongFile(QStringLiteral("top/a.mp3"));
    makeSongFile(QStringLiteral("other/b.mp3"));
    ASSERT_TRUE(QFile::link(tempPath(QStringLiteral("top")), tempPath(QStringLiteral("top/loop"))));
    ASSERT_TRUE(QFile::link(tempPath(QStringLiteral("other")), tempPath(QStringLiteral("top/other-link"))));
    ASSERT_TRUE(QFile::link(tempPath(QStringLiteral("top/a.mp3")), tempPath(QStringLiteral("top/z.mp3"))));
    controller.traverseFiles({tempPath(QStringLiteral("top"))});
    EXPECT_EQ(fileNames(controller), names({"a.mp3", "b.mp3", "z.mp3"}));
}

TEST_F(EditorControllerTest, StatusMessageCountsSongsAndSelection)
{
    int announced = 0;
    QObject::connect(&controller, &EditorController::statusMessageChanged, [&] { ++announced; });
    EXPECT_EQ(controller.statusMessage(), QStringLiteral("No songs loaded"));
    addNumbered(1);
    EXPECT_EQ(controller.statusMessage(), QStringLiteral("1 song loaded, 0 selected"));
    controller.clearSongs();
    addNumbered(12);
    announced = 0;
    controller.setSelectionIndexes({11, 2, 5, 99});
    EXPECT_EQ(controller.statusMessage(), QStringLiteral("12 songs loaded, 3 selected"));
    EXPECT_EQ(controller.selectionIndexes(), (QList<int>{2, 5, 11}));
    EXPECT_EQ(controller.selectionIndex(), 2);
    EXPECT_EQ(announced, 1);
    controller.setSelectionIndexes({});
    EXPECT_EQ(controller.selectionIndex(), EditorController::NotFound);
}

TEST_F(EditorControllerTest, RemovesSelectedSongsOnly)
{
    addNumbered(5);
    controller.removeSongs();
    EXPECT_EQ(willChange + didChange, 0) << "no selection, no announcement";
    controller.setSelectionIndexes({3, 1});
    controller.removeSongs();
    EXPECT_EQ(order(), names({"0", "2", "4"}));
    EXPECT_EQ(willChange, 1);
    EXPECT_EQ(didChange, 1);
    EXPECT_TRUE(controller.selectionIndexes().isEmpty());
    controller.clearSongs();
    EXPECT_EQ(controller.count(), 0);
}

TEST_F(EditorControllerTest, ReloadRestoresTagsAndKeepsOrderAndDuplicates)
{
    const QString path = tempPath(QStringLiteral("tagged.mp3"));
    TagLibFiles::writeMp3(
        path, [](TagLib::MPEG::File &file) { file.ID3v2Tag(true)->setTitle("On disk"); },
        TagLib::MPEG::File::ID3v2);
    const QString gone = makeSongFile(QStringLiteral("gone.mp3"));
    const QString other = makeSongFile(QStringLiteral("other.m4a"));
    controller.traverseFiles({path, gone, other, path});
    for (const auto &song : controller.songs())
        song->setTitle(QStringLiteral("Edited"));
    controller.setSelectionIndexes({0});
    QFile::remove(gone);
    willChange = didChange = 0;

    controller.reloadSongs();
    EXPECT_EQ(fileNames(controller), names({"tagged.mp3", "other.m4a", "tagged.mp3"}));
    EXPECT_EQ(controller.songAt(0)->title(), QStringLiteral("On disk"));
    EXPECT_EQ(controller.songAt(1)->title(), QStringLiteral(""));
    EXPECT_EQ(controller.songAt(2)->title(), QStringLiteral("On disk"));
    for (const auto &song : controller.songs())
        EXPECT_FALSE(song->isModified());
    EXPECT_EQ(willChange, 2) << "its own pair around the gathering's pair";
    EXPECT_EQ(didChange, 2);
    EXPECT_TRUE(controller.selectionIndexes().isEmpty());
}

TEST_F(EditorControllerTest, MovesSongsAsOneBlock)
{
    const struct
    {
        QList<int> indexes;
        int row;
        const char *result;
    } cases[] = {
        {{4, 1}, 0, "1 4 0 2 3 5"}, {{4, 1}, 3, "0 2 1 4 3 5"}, {{4, 1}, 6, "0 2 3 5 1 4"},
        {{2}, 2, "0 1 2 3 4 5"},    {{2}, 3, "0 1 2 3 4 5"},    {{5, 4, 0}, 2, "1 0 4 5 2 3"},
    };
    for (const auto &c : cases) {
        controller.clearSongs();
        addNumbered(6);
        controller.moveSongs(c.indexes, c.row);
        EXPECT_EQ(order().join(u' '), QString::fromLatin1(c.result)) << "row " << c.row;
        EXPECT_EQ(willChange, 1);
        EXPECT_EQ(sortCleared, 1);
    }
}

TEST_F(EditorControllerTest, MoveWithBadIndexesChangesNothing)
{
    addNumbered(6);
    controller.setSelectionIndexes({4});
    const QList<QList<int>> bad = {{1, 4}, {6}, {-1}, {3, 3}, {}};
    for (const QList<int> &indexes : bad)
        controller.moveSongs(indexes, 2);
    controller.moveSongs({4}, 7);
    controller.moveSongs({4}, -1);
    EXPECT_EQ(order().join(u' '), QStringLiteral("0 1 2 3 4 5"));
    EXPECT_EQ(willChange, 0);
    // A good move keeps the moved song selected at its new row.
    controller.moveSongs({4}, 0);
    EXPECT_EQ(controller.selectionIndexes(), QList<int>{0});
}

TEST_F(EditorControllerTest, SortsInPlaceWithNumericalCompare)
{
    addNumbered(5);
    const char *tracks[] = {"10", "9", "1", "09", "B"};
    for (int i = 0; i < 5; ++i)
        controller.songAt(i)->setTrack(QString::fromLatin1(tracks[i]));
    controller.songAt(4)->setTitle(QStringLiteral("a"));
    controller.setSelectionIndexes({0});
    int sorted = 0;
    QObject::connect(&controller, &EditorController::songsSorted, [&] { ++sorted; });

    controller.sortUsingDescriptors({});
    EXPECT_EQ(sorted, 0);
    controller.sortUsingDescriptors({{QStringLiteral("track"), true, SortDescriptor::Comparison::Numerical}});
    QStringList result;
    for (const auto &song : controller.songs())
        result.append(song->track());
    // "9" and "09" compare equal; the sort keeps their list order.
    EXPECT_EQ(result, names({"1", "9", "09", "10", "B"}));
    EXPECT_EQ(willChange, 0) << "sorting is no membership change";
    EXPECT_EQ(sorted, 1);
    EXPECT_EQ(controller.selectionIndexes(), QList<int>{3}) << "the selection follows its song";

    controller.sortUsingDescriptors({{QStringLiteral("track"), false, SortDescriptor::Comparison::Plain}});
    EXPECT_EQ(controller.songAt(0)->track(), QStringLiteral("B"));
    EXPECT_EQ(controller.songAt(1)->track(), QStringLiteral("9"));
}

TEST_F(EditorControllerTest, NamesThatAreNotUtf8AreSkippedAndReported)
{
    makeSongFile(QStringLiteral("m/good.mp3"));
    const QByteArray bad = QFile::encodeName(tempPath(QStringLiteral("m"))) + "/caf\xe9.mp3";
    ASSERT_TRUE(
        QFile::copy(TestSupport::dataPath(QStringLiteral("silent.mp3")), tempPath(QStringLiteral("x.mp3"))));
    ASSERT_EQ(::rename(QFile::encodeName(tempPath(QStringLiteral("x.mp3"))).constData(), bad.constData()), 0);
    ScriptedAlerts alerts;
    alerts.answers = {0};
    controller.setAlerts(&alerts);
    controller.traverseFiles({tempPath(QStringLiteral("m"))});
    EXPECT_EQ(fileNames(controller), QStringList{QStringLiteral("good.mp3")});
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[0].title, QStringLiteral("Korvan could not add one or more files."));
    EXPECT_TRUE(alerts.shown[1].message.contains(QStringLiteral("caf")))
        << alerts.shown[1].message.toStdString();

    // Saving the good song never touches the other file's name.
    controller.songAt(0)->setTitle(QStringLiteral("x"));
    EXPECT_TRUE(controller.saveSongs());
    EXPECT_EQ(::access(bad.constData(), F_OK), 0) << "the file keeps its own name";
    // Qt cannot name it to clean it up.
    ::unlink(bad.constData());
}
