#include "app/settings.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>
#include <QThread>

using namespace SettingsKeys;

class SettingsTest : public KorvanTest
{
};

TEST_F(SettingsTest, EmptyStoreReadsRegisteredDefaults)
{
    const std::pair<const char *, bool> expected[] = {
        {ALL_IN_ONE_AFTER_APPLY, false},
        {SEARCH_FOR_CDS_ONLY, true},
        {NUMBERING_LEADING_ZERO, true},
        {NUMBERING_TRACK_COUNT, true},
        {NAMING_ARTIST_AND_TITLE, false},
        {NAMING_TRACK_AND_TITLE, false},
        {NAMING_TRACK_ARTIST_AND_TITLE, true},
        {NAMING_SEPARATE_BY_HYPHEN, true},
        {CAPITALIZATION_TITLE_CASE, true},
        {CAPITALIZATION_UPPER_CASE, false},
        {CAPITALIZATION_LOWER_CASE, false},
        {BIND_ALBUM_ARTIST_TO_ARTIST, false},
        {BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, false},
    };
    for (const auto &[key, value] : expected)
        EXPECT_EQ(Settings::boolForKey(key), value) << key;
    EXPECT_TRUE(Settings::stringForKey(lastReminderVersion).isNull());
    // Defaults live in memory only: nothing was written.
    Settings::sync();
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("config/Korvan/Korvan.conf"))));
}

TEST_F(SettingsTest, WrittenValueOutlivesTheRunAndIsSeenByOtherThreads)
{
    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, true);
    Settings::setString(lastReminderVersion, QStringLiteral("0.1.0"));
    EXPECT_TRUE(Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST));

    // Another thread reads through a store object of its own.
    bool seen = false;
    std::unique_ptr<QThread> thread(
        QThread::create([&] { seen = Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST); }));
    thread->start();
    thread->wait();
    EXPECT_TRUE(seen);

    // A later run finds the file on disk.
    Settings::sync();
    QSettings later(tempPath(QStringLiteral("config/Korvan/Korvan.conf")), QSettings::IniFormat);
    EXPECT_TRUE(later.value(QStringLiteral("BIND_ALBUM_ARTIST_TO_ARTIST")).toBool());
    EXPECT_EQ(later.value(QStringLiteral("lastReminderVersion")).toString(), QStringLiteral("0.1.0"));
    EXPECT_FALSE(later.contains(QStringLiteral("SEARCH_FOR_CDS_ONLY")));

    // A default written as NO reads NO from then on.
    Settings::setBool(SEARCH_FOR_CDS_ONLY, false);
    EXPECT_FALSE(Settings::boolForKey(SEARCH_FOR_CDS_ONLY));
    Settings::removeKey(SEARCH_FOR_CDS_ONLY);
    EXPECT_TRUE(Settings::boolForKey(SEARCH_FOR_CDS_ONLY));
}
