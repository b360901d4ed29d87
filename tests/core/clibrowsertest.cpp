#include "clirunner.h"
#include "releaseserver.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliBrowserTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        server.serveFixtures();
    }
    CliResult run(const QStringList &arguments)
    {
        return runCli(arguments, tempPath(QStringLiteral("config")));
    }

    ReleaseServer server;
};

TEST_F(CliBrowserTest, SearchPrintsEachRelease)
{
    const CliResult result =
        run({QStringLiteral("search"), QStringLiteral("--server"), server.root(),
             QStringLiteral("--cds-only"), QStringLiteral("off"), QStringLiteral("northern")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    ASSERT_EQ(result.lines().size(), 3);
    const QJsonObject first = QJsonDocument::fromJson(result.lines()[0]).object();
    EXPECT_EQ(first.value(QStringLiteral("album")).toString(), QStringLiteral("Northern Lights"));
    EXPECT_EQ(first.value(QStringLiteral("year")).toInt(), 1999);
    EXPECT_EQ(first.value(QStringLiteral("titles")).toArray().size(), 3);
    EXPECT_EQ(first.value(QStringLiteral("flags")).toArray().at(0).toInt(), 1);
    const QJsonObject cover = first.value(QStringLiteral("covers")).toArray().at(0).toObject();
    EXPECT_EQ(cover.value(QStringLiteral("imageUID")).toString(), QStringLiteral("R-101-1.jpeg"));
    EXPECT_TRUE(cover.value(QStringLiteral("hasImage")).toBool());
    EXPECT_TRUE(result.lines()[0].startsWith("{\"artist\":\"The Examples\",\"album\":"));

    server.serve(QStringLiteral("search"), ReleaseServer::Route{503, "<resp/>"});
    const CliResult failed =
        run({QStringLiteral("search"), QStringLiteral("--server"), server.root(), QStringLiteral("other")});
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_TRUE(failed.err.contains("Korvan could not query Discogs."));
}

TEST_F(CliBrowserTest, ApplyWritesTheReleaseIntoFiles)
{
    for (int i = 0; i < 3; ++i)
        makeSongFile(QStringLiteral("album/%1.mp3").arg(i));
    const QStringList apply = {
        QStringLiteral("apply"),   QStringLiteral("--server"),        server.root(),
        QStringLiteral("--query"), QStringLiteral("Northern Lights"), QStringLiteral("--uncheck"),
        QStringLiteral("1"),       tempPath(QStringLiteral("album"))};
    const CliResult refused = run(apply);
    EXPECT_EQ(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains("greater than the number of checked titles"));
    const QJsonObject untouched =
        QJsonDocument::fromJson(
            run({QStringLiteral("read"), tempPath(QStringLiteral("album/0.mp3"))}).lines()[0])
            .object();
    EXPECT_EQ(untouched.value(QStringLiteral("title")).toString(), QStringLiteral("")) << "not told to go on";

    const CliResult applied =
        run(QStringList(apply) << QStringLiteral("--yes") << QStringLiteral("--all-in-one"));
    ASSERT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    EXPECT_EQ(QDir(tempPath(QStringLiteral("album"))).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("01 - The Examples - Aurora.mp3"),
                           QStringLiteral("02 - The Examples - Polar Night.mp3"), QStringLiteral("2.mp3")}));
    const CliResult read = run({QStringLiteral("read"), tempPath(QStringLiteral("album"))});
    const QJsonObject first = QJsonDocument::fromJson(read.lines()[0]).object();
    EXPECT_EQ(first.value(QStringLiteral("album")).toString(), QStringLiteral("Northern Lights"));
    EXPECT_EQ(first.value(QStringLiteral("track")).toString(), QStringLiteral("01/03"));
    EXPECT_EQ(first.value(QStringLiteral("images"))
                  .toArray()
                  .at(0)
                  .toObject()
                  .value(QStringLiteral("type"))
                  .toString(),
              QStringLiteral("jpeg"));
    const QJsonObject third = QJsonDocument::fromJson(read.lines()[2]).object();
    EXPECT_EQ(third.value(QStringLiteral("images")).toArray().size(), 1) << "the cover goes to every song";

    const CliResult badCover = run({QStringLiteral("apply"), QStringLiteral("--server"), server.root(),
                                    QStringLiteral("--query"), QStringLiteral("x"), QStringLiteral("--cover"),
                                    QStringLiteral("99"), tempPath(QStringLiteral("album"))});
    EXPECT_EQ(badCover.exitCode, 2);
}
