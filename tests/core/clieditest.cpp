#include "clirunner.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliEditTest : public KorvanTest
{
protected:
    CliResult run(const QStringList &arguments)
    {
        return runCli(arguments, tempPath(QStringLiteral("config")));
    }
    QJsonObject readBack(const QString &path)
    {
        const CliResult result = run({QStringLiteral("read"), path});
        EXPECT_EQ(result.exitCode, 0);
        return QJsonDocument::fromJson(result.lines().value(0)).object();
    }
};

TEST_F(CliEditTest, ChangesFilesAsTheEditorWould)
{
    const QString a = copyFixture(QStringLiteral("id3v2-frames.mp3"), QStringLiteral("m/a.mp3"));
    const QString b = makeSongFile(QStringLiteral("m/b.m4a"));
    const QString png = TestSupport::dataPath(QStringLiteral("cover.png"));
    const QString jpeg = TestSupport::dataPath(QStringLiteral("cover.jpg"));
    const QByteArray before = TestSupport::readBytes(a);

    const CliResult dry = run({QStringLiteral("edit"), QStringLiteral("--title"), QStringLiteral("Neu"),
                               QStringLiteral("--dry-run"), tempPath(QStringLiteral("m"))});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    ASSERT_EQ(dry.lines().size(), 2);
    EXPECT_EQ(QJsonDocument::fromJson(dry.lines()[1]).object().value(QStringLiteral("title")).toString(),
              QStringLiteral("Neu"));
    EXPECT_EQ(TestSupport::readBytes(a), before) << "a dry run saves nothing";

    const CliResult edit =
        run({QStringLiteral("edit"), QStringLiteral("--year"), QStringLiteral("2024abc"),
             QStringLiteral("--clear"), QStringLiteral("album-artist"), QStringLiteral("--clear"),
             QStringLiteral("comment"), QStringLiteral("--clear-images"), QStringLiteral("--add-image"), png,
             QStringLiteral("--add-image"), jpeg, QStringLiteral("--remove-image"), jpeg,
             QStringLiteral("--compilation"), QStringLiteral("0"), QStringLiteral("--file-name"),
             QStringLiteral("x: y.mp3"), a});
    ASSERT_EQ(edit.exitCode, 0) << edit.err.toStdString();
    EXPECT_TRUE(edit.out.isEmpty());
    const QJsonObject song = readBack(tempPath(QStringLiteral("m/x y.mp3")));
    EXPECT_EQ(song.value(QStringLiteral("year")).toInt(), 2024);
    EXPECT_EQ(song.value(QStringLiteral("albumArtist")).toString(), QStringLiteral(""));
    EXPECT_EQ(song.value(QStringLiteral("comment")).toString(), QStringLiteral(""));
    EXPECT_EQ(song.value(QStringLiteral("isCompilation")).toInt(), 0);
    EXPECT_EQ(song.value(QStringLiteral("track")).toString(), QStringLiteral("3/12"));
    const QJsonArray images = song.value(QStringLiteral("images")).toArray();
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].toObject().value(QStringLiteral("type")).toString(), QStringLiteral("png"));
    EXPECT_EQ(readBack(b).value(QStringLiteral("year")).toInt(), 0) << "only the given path was edited";
}

TEST_F(CliEditTest, FailureExitsWithOneAndReportsOnStderr)
{
    const QString good = makeSongFile(QStringLiteral("good.mp3"));
    const QString bad = tempPath(QStringLiteral("bad.mp3"));
    TestSupport::writeBytes(bad, QByteArray("not audio").repeated(50));
    const CliResult result =
        run({QStringLiteral("edit"), QStringLiteral("--title"), QStringLiteral("T"), good, bad});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("Korvan could not save one or more files."));
    EXPECT_TRUE(result.err.contains(QString::fromUtf8("• bad.mp3 was not saved").toUtf8()))
        << result.err.toStdString();
    EXPECT_EQ(readBack(good).value(QStringLiteral("title")).toString(), QStringLiteral("T"));
}

TEST_F(CliEditTest, BadUsageChangesNothing)
{
    const QString a = makeSongFile(QStringLiteral("a.mp3"));
    const QByteArray before = TestSupport::readBytes(a);
    const QList<QStringList> bad = {
        {QStringLiteral("edit"), QStringLiteral("--clear"), QStringLiteral("title"), a},
        {QStringLiteral("edit"), QStringLiteral("--bogus"), a},
        {QStringLiteral("edit"), a, QStringLiteral("--title")},
        {QStringLiteral("edit"), QStringLiteral("--add-image"), tempPath(QStringLiteral("none.png")), a},
        {QStringLiteral("edit"), QStringLiteral("--title"), QStringLiteral("T"),
         tempPath(QStringLiteral("empty"))},
    };
    for (const QStringList &arguments : bad) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
    EXPECT_EQ(TestSupport::readBytes(a), before);
}
