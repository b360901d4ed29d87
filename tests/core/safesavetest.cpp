#include "tags/safesave.h"
#include "clirunner.h"
#include "model/song.h"
#include "tags/tagsreader.h"
#include "tags/tagswriter.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

using TestSupport::readBytes;

class SafeSaveTest : public KorvanTest
{
protected:
    // Saves a title change into PATH the way the editor does; true when saved.
    bool saveTitle(const QString &path, const QString &title)
    {
        std::unique_ptr<Song> song = TagsReader().parseFile(path);
        song->setTitle(title);
        QString report;
        return TagsWriter().writeFile(*song, report);
    }
    QString title(const QString &path) { return TagsReader().parseFile(path)->title(); }
    QStringList folderEntries() const
    {
        return QDir(m_dir.path() + QStringLiteral("/m"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(SafeSaveTest, KeepsModeOwnerLinksAndTheFolder)
{
    const QString path = makeSongFile(QStringLiteral("m/a.mp3"));
    const QString neighbour = makeSongFile(QStringLiteral("m/b.mp3"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    struct stat before;
    ::stat(QFile::encodeName(neighbour).constData(), &before);

    ASSERT_TRUE(saveTitle(path, QStringLiteral("One")));
    struct stat status;
    ::stat(QFile::encodeName(path).constData(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(status.st_uid, ::geteuid());
    EXPECT_EQ(title(path), QStringLiteral("One"));
    struct stat after;
    ::stat(QFile::encodeName(neighbour).constData(), &after);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("a.mp3"), QStringLiteral("b.mp3")}))
        << "nothing left over";

    // Through a symbolic link the target is saved and the link stays a link.
    ASSERT_TRUE(QFile::link(path, tempPath(QStringLiteral("link.mp3"))));
    ASSERT_TRUE(saveTitle(tempPath(QStringLiteral("link.mp3")), QStringLiteral("Two")));
    EXPECT_TRUE(QFileInfo(tempPath(QStringLiteral("link.mp3"))).isSymLink());
    EXPECT_EQ(title(path), QStringLiteral("Two"));

    // Hard links all see the new tags and stay one file.
    const QString other = tempPath(QStringLiteral("other-name.mp3"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_TRUE(saveTitle(path, QStringLiteral("Three")));
    struct stat first, second;
    ::stat(QFile::encodeName(path).constData(), &first);
    ::stat(QFile::encodeName(other).constData(), &second);
    EXPECT_EQ(first.st_ino, second.st_ino);
    EXPECT_EQ(first.st_nlink, 2u);
    EXPECT_EQ(title(other), QStringLiteral("Three"));
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("a.mp3"), QStringLiteral("b.mp3")}));
}

TEST_F(SafeSaveTest, InterruptedInPlaceSaveIsFinishedWhenTheFileIsRead)
{
    const QString path = makeSongFile(QStringLiteral("m/a.mp3"));
    const QString copy = makeSongFile(QStringLiteral("copy.mp3"));
    ASSERT_TRUE(saveTitle(copy, QStringLiteral("Saved")));
    const QByteArray saved = readBytes(copy);
    // As a kill leaves it: the journal complete, the file half overwritten.
    TestSupport::writeBytes(tempPath(QStringLiteral("m/.a.mp3.korvan-new")), saved);
    TestSupport::writeBytes(path, saved.left(saved.size() / 3));
    EXPECT_EQ(title(path), QStringLiteral("Saved"));
    EXPECT_EQ(readBytes(path), saved);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("a.mp3")});
}

TEST_F(SafeSaveTest, FullDiskIsAReportedFailureWithTheFileUnchanged)
{
    const QString path = copyFixture(QStringLiteral("id3v2-frames.mp3"), QStringLiteral("m/a.mp3"));
    const QByteArray before = readBytes(path);
    // A picture bigger than the file size limit of the saving process.
    TestSupport::writeBytes(tempPath(QStringLiteral("big.png")),
                            readBytes(TestSupport::dataPath(QStringLiteral("cover.png"))) +
                                QByteArray(300000, 'x'));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), tempPath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/bash"),
                  {QStringLiteral("-c"),
                   QStringLiteral("ulimit -f 100; exec \"$0\" edit --add-image \"$1\" \"$2\""),
                   QStringLiteral(KORVAN_CLI_PATH), tempPath(QStringLiteral("big.png")), path});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("a.mp3 was not saved"));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("a.mp3")});
}

// TagLib takes this file of random bytes for MPEG and writes a tag into its
// middle, over data; the check of the saved copy refuses that.
TEST_F(SafeSaveTest, CopyWhoseDataChangedIsNotSaved)
{
    const QString garbage = QStringLiteral(KORVAN_CORPUS_DIR "/taglib/garbage.mp3");
    if (!QFile::exists(garbage))
        GTEST_SKIP() << "no corpus";
    QDir().mkpath(tempPath(QStringLiteral("m")));
    const QString path = tempPath(QStringLiteral("m/garbage.mp3"));
    ASSERT_TRUE(QFile::copy(garbage, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray before = readBytes(path);
    EXPECT_FALSE(saveTitle(path, QStringLiteral("X")));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("garbage.mp3")});
}

TEST_F(SafeSaveTest, FifoInPlaceOfTheFileIsNotOpened)
{
    const QString path = makeSongFile(QStringLiteral("m/a.mp3"));
    std::unique_ptr<Song> song = TagsReader().parseFile(path);
    song->setTitle(QStringLiteral("x"));
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QString report;
    EXPECT_FALSE(TagsWriter().writeFile(*song, report)) << "and it must not block";
    EXPECT_EQ(report, QString::fromUtf8("• a.mp3 was not saved\n"));
}
