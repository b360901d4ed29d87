#include "clirunner.h"
#include "taglibfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <sys/stat.h>
#include <unistd.h>

using TestSupport::readBytes;

// Kills a save of a folder of songs at many random moments: afterwards every
// file must be exactly as before the save or exactly as after it.
class KillHarnessTest : public KorvanTest
{
protected:
    static constexpr int Kills = 25;

    QStringList names;

    void makeFolder(const QString &folder)
    {
        QDir().mkpath(tempPath(folder));
        // Long MP3 audio (the frames of the silent fixture, many times over),
        // so that moving it behind a grown tag takes long enough to be hit.
        const QByteArray frames =
            readBytes(TestSupport::dataPath(QStringLiteral("silent.mp3"))).repeated(600);
        for (int i = 0; i < 6; ++i) {
            if (i % 2) {
                copyFixture(QStringLiteral("items.m4a"), folder + QStringLiteral("/%1.m4a").arg(i));
                continue;
            }
            const QString path = tempPath(folder + QStringLiteral("/%1.mp3").arg(i));
            TestSupport::writeBytes(path, frames);
            TagLib::MPEG::File file(QFile::encodeName(path).constData());
            file.ID3v2Tag(true)->setTitle("Before the save");
            file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
        }
        // Some songs with a large tag already.
        for (int i = 6; i < 9; ++i) {
            TagLibFiles::writeMp3(
                tempPath(folder + QStringLiteral("/%1.mp3").arg(i)),
                [](TagLib::MPEG::File &file) {
                    auto *picture = new TagLib::ID3v2::AttachedPictureFrame;
                    picture->setPicture(TagLib::ByteVector(150000, 'p'));
                    file.ID3v2Tag(true)->addFrame(picture);
                    file.ID3v2Tag()->setTitle("Large");
                },
                TagLib::MPEG::File::ID3v2);
        }
        names = QDir(tempPath(folder)).entryList(QDir::Files, QDir::Name);
    }
    void copyFolder(const QString &from, const QString &to)
    {
        QDir(tempPath(to)).removeRecursively();
        QDir().mkpath(tempPath(to));
        for (const QString &name : names)
            ASSERT_TRUE(QFile::copy(tempPath(from + u'/' + name), tempPath(to + u'/' + name)));
    }
    QStringList editArguments(const QString &folder) const
    {
        return {QStringLiteral("edit"),
                QStringLiteral("--title"),
                QStringLiteral("After the save"),
                QStringLiteral("--add-image"),
                tempPath(QStringLiteral("big.png")),
                tempPath(folder)};
    }
};

TEST_F(KillHarnessTest, EveryFileIsBeforeOrAfterWhateverMomentTheSaveIsKilled)
{
    makeFolder(QStringLiteral("before"));
    TestSupport::writeBytes(tempPath(QStringLiteral("big.png")),
                            readBytes(TestSupport::dataPath(QStringLiteral("cover.png"))) +
                                QByteArray(200000, 'b'));
    copyFolder(QStringLiteral("before"), QStringLiteral("after"));
    QElapsedTimer clock;
    clock.start();
    const CliResult reference =
        runCli(editArguments(QStringLiteral("after")), tempPath(QStringLiteral("config")));
    const qint64 duration = clock.elapsed();
    ASSERT_EQ(reference.exitCode, 0) << reference.err.toStdString();

    QRandomGenerator random(20261206);
    int midway = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        copyFolder(QStringLiteral("before"), QStringLiteral("work"));
        // One song is also known by a second name elsewhere (a hard link).
        const QByteArray linked = QFile::encodeName(tempPath(QStringLiteral("work/0.mp3")));
        const QByteArray otherName = QFile::encodeName(tempPath(QStringLiteral("other-name.mp3")));
        ::unlink(otherName.constData());
        ASSERT_EQ(::link(linked.constData(), otherName.constData()), 0);

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), tempPath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KORVAN_CLI_PATH), editArguments(QStringLiteral("work")));
        ASSERT_TRUE(process.waitForStarted());
        process.waitForFinished(int(random.bounded(duration + 1)));
        process.kill();
        process.waitForFinished();

        // Reading finishes what the kill interrupted, and finds no extra songs.
        const CliResult read = runCli({QStringLiteral("read"), tempPath(QStringLiteral("work"))},
                                      tempPath(QStringLiteral("config")));
        ASSERT_EQ(read.exitCode, 0);
        EXPECT_EQ(read.lines().size(), names.size()) << "kill " << kill;
        int changed = 0;
        for (const QString &name : names) {
            const QByteArray now = readBytes(tempPath(QStringLiteral("work/") + name));
            const bool before = now == readBytes(tempPath(QStringLiteral("before/") + name));
            const bool after = now == readBytes(tempPath(QStringLiteral("after/") + name));
            EXPECT_TRUE(before || after) << "kill " << kill << " damaged " << name.toStdString();
            changed += after;
        }
        EXPECT_EQ(readBytes(tempPath(QStringLiteral("other-name.mp3"))),
                  readBytes(tempPath(QStringLiteral("work/0.mp3"))))
            << "kill " << kill << ": the hard link broke";
        if (changed > 0 && changed < names.size())
            ++midway;
    }
    // The harness must really hit saves in the middle, or it proves nothing.
    EXPECT_GT(midway, 0);
    RecordProperty("killedMidway", midway);
    RecordProperty("saveMilliseconds", int(duration));
}
