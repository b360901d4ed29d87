#include "tags/tagswriter.h"
#include "app/editorcontroller.h"
#include "app/filemanager.h"
#include "app/quitquestion.h"
#include "model/song.h"
#include "scriptedalerts.h"
#include "tags/tagsreader.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using TestSupport::readBytes;

TEST(SanitizeFileName, CleansWhatTheUserTyped)
{
    const struct
    {
        const char16_t *typed, *clean;
    } cases[] = {
        {u"New  Name:1", u"New Name1"},
        {u"  Live  at:Home  ", u"Live atHome"},
        {u"a/b:c", u"abc"},
        {u"::", u""},
        {u"\tTab\t\tbed\n", u"Tab bed"},
        {u"line\nbreak", u"line\nbreak"},
        {u"Ünïcødé 歌", u"Ünïcødé 歌"},
        {u"a\u00a0\u2003b", u"a b"},
        {u"100% sure", u"100% sure"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TagsWriter::sanitizeFileName(QString::fromUtf16(c.typed)), QString::fromUtf16(c.clean));
}

class SavingTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        controller.setAlerts(&alerts);
    }
    // Adds the untagged files NAMES (in the folder "m") to the song list.
    void add(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths.append(makeSongFile(QStringLiteral("m/") + name));
        controller.traverseFiles(paths);
    }
    Song &song(int row) { return *controller.songAt(row); }
    QString inFolder(const QString &name) const { return tempPath(QStringLiteral("m/") + name); }
    QString titleOnDisk(const QString &name) const { return TagsReader().parseFile(inFolder(name))->title(); }

    EditorController controller;
    ScriptedAlerts alerts;
};

TEST_F(SavingTest, WritesModifiedSongsByExtension)
{
    add({QStringLiteral("a.MP3"), QStringLiteral("b.Mp4"), QStringLiteral("c.m4a"), QStringLiteral("d.mp3")});
    for (int row = 0; row < 3; ++row)
        song(row).setTitle(QStringLiteral("T%1").arg(row));
    const QByteArray untouched = readBytes(inFolder(QStringLiteral("d.mp3")));
    QStringList progress;
    QObject::connect(&controller, &EditorController::progressChanged,
                     [&] { progress.append(controller.progressMessage()); });

    EXPECT_TRUE(controller.saveSongs());
    EXPECT_EQ(titleOnDisk(QStringLiteral("a.MP3")), QStringLiteral("T0"));
    EXPECT_EQ(titleOnDisk(QStringLiteral("b.Mp4")), QStringLiteral("T1"));
    EXPECT_EQ(titleOnDisk(QStringLiteral("c.m4a")), QStringLiteral("T2"));
    EXPECT_EQ(readBytes(inFolder(QStringLiteral("d.mp3"))), untouched);
    EXPECT_FALSE(controller.hasModifiedSongs());
    EXPECT_TRUE(alerts.shown.isEmpty());
    EXPECT_EQ(progress, (QStringList{QStringLiteral("Saving..."), QStringLiteral("")}));

    EXPECT_TRUE(controller.saveSongs()) << "nothing modified: nothing to do";
    EXPECT_TRUE(alerts.shown.isEmpty());
}

TEST_F(SavingTest, RenamesToTheCleanedNameWithTheExtensionOnDisk)
{
    add({QStringLiteral("Song.mp3"), QStringLiteral("x.mp3"), QStringLiteral("b.mp3"),
         QStringLiteral("z.m4a")});
    song(0).setFileName(QStringLiteral("New  Name:1.mp3"));
    song(1).setFileName(QString::fromUtf8("  Live  at:Home  .txt"));
    song(2).setFileName(QStringLiteral("b.MP3"));
    song(3).setFileName(QString::fromUtf8("Пісня 歌.m4a"));
    EXPECT_TRUE(controller.saveSongs());
    EXPECT_EQ(QDir(tempPath(QStringLiteral("m"))).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Live atHome.mp3"), QStringLiteral("New Name1.mp3"),
                           QStringLiteral("b.mp3"), QString::fromUtf8("Пісня 歌.m4a")}));
    EXPECT_EQ(song(0).filePath(), inFolder(QStringLiteral("New Name1.mp3")));
    EXPECT_EQ(song(0).fileName(), QStringLiteral("New  Name:1.mp3"));
    EXPECT_EQ(song(2).filePath(), inFolder(QStringLiteral("b.mp3")));
    EXPECT_FALSE(controller.hasModifiedSongs());
}

TEST_F(SavingTest, ExistingFilesAreNeverReplaced)
{
    add({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")});
    TestSupport::writeBytes(inFolder(QStringLiteral("c.mp3~")), QByteArray("keep me"));
    const QByteArray b = readBytes(inFolder(QStringLiteral("b.mp3")));
    song(0).setFileName(QStringLiteral("b.mp3"));
    song(2).setFileName(QStringLiteral("d.mp3"));
    alerts.answers = {0};

    EXPECT_FALSE(controller.saveSongs());
    EXPECT_EQ(readBytes(inFolder(QStringLiteral("b.mp3"))), b);
    EXPECT_EQ(readBytes(inFolder(QStringLiteral("c.mp3~"))), QByteArray("keep me"));
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("a.mp3"))));
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("c.mp3")))) << "the first move failed: nothing moved";
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("d.mp3"))));
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral("a.mp3~"))));
    EXPECT_TRUE(song(0).isModified());
    EXPECT_TRUE(song(2).isModified());
    EXPECT_EQ(song(0).filePath(), inFolder(QStringLiteral("a.mp3")));
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[0].title, QStringLiteral("Korvan could not save one or more files."));
    EXPECT_EQ(alerts.shown[0].message, QStringLiteral("Make sure file permissions are correctly set."));
    EXPECT_EQ(alerts.shown[0].buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Show Details")}));
    EXPECT_EQ(alerts.shown[1].title, QStringLiteral("Error Details:"));
    EXPECT_EQ(alerts.shown[1].message, QString::fromUtf8("• a.mp3 was not renamed to b.mp3\n"));

    EXPECT_FALSE(FileManager::moveItem(inFolder(QStringLiteral("a.mp3")), inFolder(QStringLiteral("b.mp3"))));
    EXPECT_TRUE(FileManager::moveItem(inFolder(QStringLiteral("a.mp3")), inFolder(QStringLiteral("e.mp3"))));
}

TEST_F(SavingTest, NameThatCleansToNothingIsNotApplied)
{
    add({QStringLiteral("x.mp3")});
    song(0).setFileName(QStringLiteral("::.mp3"));
    alerts.answers = {0};
    EXPECT_FALSE(controller.saveSongs());
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("x.mp3"))));
    EXPECT_FALSE(QFile::exists(inFolder(QStringLiteral(".mp3"))));
    EXPECT_TRUE(song(0).isModified());
    EXPECT_EQ(alerts.shown.last().message, QString::fromUtf8("• x.mp3 was not renamed to ::.mp3\n"));
}

TEST_F(SavingTest, FailedSaveAndRenameAreReportedLiterally)
{
    add({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("100%.mp3"),
         QStringLiteral("gone.m4a")});
    // Not MPEG data: TagLib cannot save it.
    TestSupport::writeBytes(inFolder(QStringLiteral("a.mp3")), QByteArray("garbage").repeated(100));
    TestSupport::writeBytes(inFolder(QStringLiteral("100%.mp3")), QByteArray("garbage").repeated(100));
    QFile::remove(inFolder(QStringLiteral("gone.m4a")));
    song(0).setFileName(QStringLiteral("b.mp3"));
    song(2).setTitle(QStringLiteral("x"));
    song(3).setTitle(QStringLiteral("x"));
    alerts.answers = {1};
    EXPECT_FALSE(controller.saveSongs());
    ASSERT_EQ(alerts.shown.size(), 1) << "OK ends the save";

    alerts.shown.clear();
    alerts.answers = {0};
    EXPECT_FALSE(controller.saveSongs());
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[1].message, QString::fromUtf8("• a.mp3 was not saved\nand not renamed to b.mp3"
                                                         "• 100%.mp3 was not saved\n"
                                                         "• gone.m4a was not saved\n"));
    EXPECT_TRUE(QFile::exists(inFolder(QStringLiteral("a.mp3"))));
}

TEST_F(SavingTest, QuitAsksOnlyWithUnsavedChanges)
{
    add({QStringLiteral("a.mp3")});
    QuitQuestion question(controller);
    EXPECT_EQ(question.applicationShouldTerminate(), QuitQuestion::Reply::TerminateNow);
    EXPECT_TRUE(alerts.shown.isEmpty());

    song(0).setTitle(QStringLiteral("Edited"));
    alerts.answers = {-1};
    EXPECT_EQ(question.applicationShouldTerminate(), QuitQuestion::Reply::TerminateCancel);
    EXPECT_TRUE(song(0).isModified());
    EXPECT_TRUE(alerts.shown[0].informational);
    EXPECT_EQ(alerts.shown[0].title, QStringLiteral("Unsaved Changes"));
    EXPECT_EQ(alerts.shown[0].message,
              QStringLiteral("Do you want to save the changes you made to your songs?"));
    EXPECT_EQ(alerts.shown[0].buttons,
              (QStringList{QStringLiteral("Save"), QStringLiteral("Don't Save"), QStringLiteral("Cancel")}));

    alerts.answers = {0};
    EXPECT_EQ(question.applicationShouldTerminate(), QuitQuestion::Reply::TerminateNow);
    EXPECT_EQ(titleOnDisk(QStringLiteral("a.mp3")), QStringLiteral(""));

    alerts.answers = {1};
    EXPECT_EQ(question.applicationShouldTerminate(), QuitQuestion::Reply::TerminateNow);
    EXPECT_EQ(titleOnDisk(QStringLiteral("a.mp3")), QStringLiteral("Edited"));

    // A save that fails keeps the editor open with the unsaved song.
    song(0).setTitle(QStringLiteral("Again"));
    TestSupport::writeBytes(inFolder(QStringLiteral("a.mp3")), QByteArray("garbage").repeated(100));
    alerts.answers = {1, 1};
    EXPECT_EQ(question.applicationShouldTerminate(), QuitQuestion::Reply::TerminateCancel);
    EXPECT_TRUE(song(0).isModified());
}

// Real files written by other tools: saving a title change must come back,
// and what was saved must read back.
TEST_F(SavingTest, EveryCorpusFileSurvivesATitleChange)
{
    const QDir corpus(QStringLiteral(KORVAN_CORPUS_DIR "/taglib"));
    if (!corpus.exists())
        GTEST_SKIP() << "no corpus at " << corpus.path().toStdString();
    int saved = 0;
    for (const QFileInfo &file : corpus.entryInfoList(QDir::Files, QDir::Name)) {
        const bool mp4 = QStringList{QStringLiteral("mp4"), QStringLiteral("m4a"), QStringLiteral("m4v"),
                                     QStringLiteral("aac")}
                             .contains(file.suffix().toLower());
        const QString copy =
            tempPath(QStringLiteral("corpus.") + (mp4 ? QStringLiteral("m4a") : QStringLiteral("mp3")));
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(file.filePath(), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        std::unique_ptr<Song> song = TagsReader().parseFile(copy);
        song->setTitle(QString::fromUtf8("Korvan \u2713"));
        QString report;
        if (TagsWriter().writeFile(*song, report)) {
            ++saved;
            EXPECT_EQ(TagsReader().parseFile(copy)->title(), QString::fromUtf8("Korvan \u2713"))
                << file.fileName().toStdString();
        } else {
            EXPECT_TRUE(report.contains(QStringLiteral("was not saved"))) << file.fileName().toStdString();
        }
    }
    EXPECT_GT(saved, 10);
}
