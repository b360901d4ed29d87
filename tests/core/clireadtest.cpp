#include "clirunner.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliReadTest : public KorvanTest
{
protected:
    CliResult run(const QStringList &arguments)
    {
        return runCli(arguments, tempPath(QStringLiteral("config")));
    }
};

TEST_F(CliReadTest, PrintsOneObjectPerMusicFileInGatheringOrder)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("music/b"));
    copyFixture(QStringLiteral("items.m4a"), QStringLiteral("music/b/z.m4a"));
    copyFixture(QStringLiteral("id3v2-frames.mp3"), QStringLiteral("music/a.mp3"));
    copyFixture(QStringLiteral("cover.png"), QStringLiteral("music/cover.png"));
    copyFixture(QStringLiteral("id3v1-only.mp3"), QStringLiteral("single.MP3"));

    const CliResult result = run(
        {QStringLiteral("read"), tempPath(QStringLiteral("music")), tempPath(QStringLiteral("single.MP3"))});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    QStringList names;
    for (const QByteArray &line : lines)
        names << QJsonDocument::fromJson(line).object().value(QStringLiteral("fileName")).toString();
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("a.mp3"), QStringLiteral("z.m4a"), QStringLiteral("single.MP3")}));

    // The keys come in the documented order.
    EXPECT_TRUE(lines[0].startsWith("{\"filePath\":\"" + tempPath(QStringLiteral("music/a.mp3")).toUtf8() +
                                    "\",\"fileName\":\"a.mp3\",\"track\":\"3/12\",\"title\":"));
    const QJsonObject mp3 = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(mp3.value(QStringLiteral("title")).toString(), QString::fromUtf8("Пісня про 歌 — ü"));
    EXPECT_EQ(mp3.value(QStringLiteral("year")).toInt(), 2001);
    EXPECT_EQ(mp3.value(QStringLiteral("isCompilation")).toInt(), 1);
    const QJsonArray images = mp3.value(QStringLiteral("images")).toArray();
    ASSERT_EQ(images.size(), 2);
    const QByteArray jpeg = TestSupport::readBytes(TestSupport::dataPath(QStringLiteral("cover.jpg")));
    EXPECT_EQ(images[0].toObject().value(QStringLiteral("type")).toString(), QStringLiteral("jpeg"));
    EXPECT_EQ(images[0].toObject().value(QStringLiteral("bytes")).toInt(), jpeg.size());
    EXPECT_EQ(images[0].toObject().value(QStringLiteral("sha256")).toString().toLatin1(),
              QCryptographicHash::hash(jpeg, QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(images[1].toObject().value(QStringLiteral("type")).toString(), QStringLiteral("png"));
}

TEST_F(CliReadTest, BadUsageExitsWithTwo)
{
    copyFixture(QStringLiteral("cover.png"), QStringLiteral("cover.png"));
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("read")}, QStringList{QStringLiteral("frobnicate")},
          QStringList{QStringLiteral("read"), QStringLiteral("--bogus"), m_dir.path()},
          QStringList{QStringLiteral("read"), tempPath(QStringLiteral("cover.png"))},
          QStringList{QStringLiteral("read"), tempPath(QStringLiteral("nothing-here"))}}) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
}
