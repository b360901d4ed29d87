#include "settings.h"

#include <QHash>
#include <QReadWriteLock>
#include <QSettings>

#include <atomic>
#include <memory>

namespace {

struct Defaults
{
    QReadWriteLock lock;
    QHash<QString, QVariant> values;
    QHash<QString, QVariant> overrides;
    QString storeFolder;
    // Bumped whenever the store location changes, so per-thread store objects
    // know to reopen.
    std::atomic<int> generation{0};
};

Defaults &defaults()
{
    static Defaults instance;
    return instance;
}

QSettings &storeOfThisThread()
{
    thread_local std::unique_ptr<QSettings> store;
    thread_local int generation = -1;
    Defaults &d = defaults();
    const int current = d.generation.load();
    if (!store || generation != current) {
        QString folder;
        {
            QReadLocker locker(&d.lock);
            folder = d.storeFolder;
        }
        if (store)
            store->sync();
        if (folder.isEmpty())
            store = std::make_unique<QSettings>(QStringLiteral("Korvan"), QStringLiteral("Korvan"));
        else
            store = std::make_unique<QSettings>(folder + QStringLiteral("/Korvan/Korvan.conf"),
                                                QSettings::IniFormat);
        generation = current;
    }
    return *store;
}

} // namespace

void Settings::registerDefaults()
{
    using namespace SettingsKeys;
    const std::pair<const char *, bool> table[] = {
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
    Defaults &d = defaults();
    QWriteLocker locker(&d.lock);
    for (const auto &[key, value] : table)
        d.values.insert(QString::fromLatin1(key), value);
    d.values.insert(QString::fromLatin1(RELEASE_DATABASE_ROOT), QStringLiteral("https://www.discogs.com/"));
}

QVariant Settings::value(const char *key)
{
    const QString name = QString::fromLatin1(key);
    Defaults &d = defaults();
    {
        QReadLocker locker(&d.lock);
        const auto overridden = d.overrides.constFind(name);
        if (overridden != d.overrides.constEnd())
            return *overridden;
    }
    const QVariant stored = storeOfThisThread().value(name);
    if (stored.isValid())
        return stored;
    QReadLocker locker(&d.lock);
    return d.values.value(name);
}

bool Settings::boolForKey(const char *key)
{
    return value(key).toBool();
}

QString Settings::stringForKey(const char *key)
{
    const QVariant v = value(key);
    return v.isValid() ? v.toString() : QString();
}

void Settings::setBool(const char *key, bool value)
{
    storeOfThisThread().setValue(QString::fromLatin1(key), value);
}

void Settings::setString(const char *key, const QString &value)
{
    storeOfThisThread().setValue(QString::fromLatin1(key), value);
}

void Settings::setExclusive(std::initializer_list<const char *> keys, int chosen)
{
    int index = 0;
    for (const char *key : keys)
        setBool(key, index++ == chosen);
}

int Settings::firstTrue(std::initializer_list<const char *> keys)
{
    int index = 0;
    for (const char *key : keys) {
        if (boolForKey(key))
            return index;
        ++index;
    }
    return -1;
}

void Settings::removeKey(const char *key)
{
    storeOfThisThread().remove(QString::fromLatin1(key));
}

void Settings::overrideForThisRun(const char *key, const QVariant &value)
{
    Defaults &d = defaults();
    QWriteLocker locker(&d.lock);
    d.overrides.insert(QString::fromLatin1(key), value);
}

void Settings::setStoreFolder(const QString &folder)
{
    Defaults &d = defaults();
    storeOfThisThread().sync();
    {
        QWriteLocker locker(&d.lock);
        d.storeFolder = folder;
    }
    ++d.generation;
}

void Settings::sync()
{
    storeOfThisThread().sync();
}
