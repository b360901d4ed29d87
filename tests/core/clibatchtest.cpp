#include "clirunner.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

class CliBatchTest : public KorvanTest
{
protected:
    CliResult run(const QStringList &arguments)
    {
        return runCli(arguments, tempPath(QStringLiteral("config")));
    }
};

TEST_F(CliBatchTest, AllInOneRenamesAndRenumbersOnDisk)
{
    const QString a = makeSongFile(QStringLiteral("album/a.mp3"));
    const QString b = makeSongFile(QStringLiteral("album/b.mp3"));
    for (const auto &[path, title] : {std::pair{a, "moonrise"}, std::pair{b, "the end of it"}}) {
        const CliResult edit =
            run({QStringLiteral("edit"), QStringLiteral("--artist"), QStringLiteral("the night owls"),
                 QStringLiteral("--title"), QString::fromLatin1(title), path});
        ASSERT_EQ(edit.exitCode, 0) << edit.err.toStdString();
    }
    const CliResult result =
        run({QStringLiteral("all-in-one"), QStringLiteral("--style"), QStringLiteral("title"),
             QStringLiteral("--leading-zero"), QStringLiteral("on"), QStringLiteral("--count"),
             QStringLiteral("on"), tempPath(QStringLiteral("album"))});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QDir(tempPath(QStringLiteral("album"))).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("01 - The Night Owls - Moonrise.mp3"),
                           QStringLiteral("02 - The Night Owls - The End of It.mp3")}));
    const CliResult read = run({QStringLiteral("read"), tempPath(QStringLiteral("album"))});
    const QJsonObject second = QJsonDocument::fromJson(read.lines().value(1)).object();
    EXPECT_EQ(second.value(QStringLiteral("track")).toString(), QStringLiteral("02/02"));
    EXPECT_EQ(second.value(QStringLiteral("title")).toString(), QStringLiteral("The End of It"));
}

TEST_F(CliBatchTest, OptionsHoldForOneRunOnly)
{
    makeSongFile(QStringLiteral("s/a.mp3"));
    const CliResult upper =
        run({QStringLiteral("capitalize"), QStringLiteral("--style"), QStringLiteral("upper"),
             QStringLiteral("--dry-run"), tempPath(QStringLiteral("s"))});
    ASSERT_EQ(upper.exitCode, 0) << upper.err.toStdString();
    const CliResult number = run({QStringLiteral("number"), QStringLiteral("--count"), QStringLiteral("off"),
                                  QStringLiteral("--dry-run"), tempPath(QStringLiteral("s"))});
    EXPECT_EQ(
        QJsonDocument::fromJson(number.lines().value(0)).object().value(QStringLiteral("track")).toString(),
        QStringLiteral("01"));
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("config/Korvan/Korvan.conf"))))
        << "nothing was stored";

    const CliResult titlecase = run({QStringLiteral("titlecase"), QStringLiteral("the lord of the rings"),
                                     QStringLiteral("THE BEST OF")});
    EXPECT_EQ(titlecase.out, QByteArray("The Lord of the Rings\nTHE BEST of\n"));

    for (const QStringList &bad : {QStringList{QStringLiteral("number"), QStringLiteral("--count"),
                                               QStringLiteral("maybe"), tempPath("s")},
                                   QStringList{QStringLiteral("number"), QStringLiteral("--style"),
                                               QStringLiteral("upper"), tempPath("s")},
                                   QStringList{QStringLiteral("name"), QStringLiteral("--scheme"),
                                               QStringLiteral("title"), tempPath("s")}})
        EXPECT_EQ(run(bad).exitCode, 2) << bad.join(u' ').toStdString();
}
