#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>

// The keys of the settings store. Booleans unless noted.
namespace SettingsKeys {
inline constexpr char ALL_IN_ONE_AFTER_APPLY[] = "ALL_IN_ONE_AFTER_APPLY";
inline constexpr char SEARCH_FOR_CDS_ONLY[] = "SEARCH_FOR_CDS_ONLY";
inline constexpr char NUMBERING_LEADING_ZERO[] = "NUMBERING_LEADING_ZERO";
inline constexpr char NUMBERING_TRACK_COUNT[] = "NUMBERING_TRACK_COUNT";
inline constexpr char NAMING_ARTIST_AND_TITLE[] = "NAMING_ARTIST_AND_TITLE";
inline constexpr char NAMING_TRACK_AND_TITLE[] = "NAMING_TRACK_AND_TITLE";
inline constexpr char NAMING_TRACK_ARTIST_AND_TITLE[] = "NAMING_TRACK_ARTIST_AND_TITLE";
inline constexpr char NAMING_SEPARATE_BY_HYPHEN[] = "NAMING_SEPARATE_BY_HYPHEN";
inline constexpr char CAPITALIZATION_TITLE_CASE[] = "CAPITALIZATION_TITLE_CASE";
inline constexpr char CAPITALIZATION_UPPER_CASE[] = "CAPITALIZATION_UPPER_CASE";
inline constexpr char CAPITALIZATION_LOWER_CASE[] = "CAPITALIZATION_LOWER_CASE";
inline constexpr char BIND_ALBUM_ARTIST_TO_ARTIST[] = "BIND_ALBUM_ARTIST_TO_ARTIST";
inline constexpr char BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS[] = "BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS";
// Text: the application version the donation reminder last showed for. No default.
inline constexpr char lastReminderVersion[] = "lastReminderVersion";
// Text: the service root of the release database, "https://www.discogs.com/" by default.
inline constexpr char RELEASE_DATABASE_ROOT[] = "RELEASE_DATABASE_ROOT";
} // namespace SettingsKeys

// The user's settings: a persistent QSettings store ("Korvan"/"Korvan", so under
// $XDG_CONFIG_HOME/Korvan/) plus an in-memory table of registered defaults.
// Every value is read from the store at the moment of use and never cached, so
// a change made anywhere in the process takes effect at the next read. All
// members are static and may be called from any thread; each thread reads
// through a store object of its own.
class Settings
{
public:
    // Registers the defaults of every boolean key and of RELEASE_DATABASE_ROOT. Kept in memory only: a key
    // nobody wrote reads its default and is never written to disk.
    static void registerDefaults();

    static bool boolForKey(const char *key);
    // A null QString when the key was never written and has no default.
    static QString stringForKey(const char *key);
    static void setBool(const char *key, bool value);
    static void setString(const char *key, const QString &value);
    // A radio group kept as several boolean keys: stores each of KEYS, in
    // order, true for the one at CHOSEN and false for the others.
    static void setExclusive(std::initializer_list<const char *> keys, int chosen);
    // The index of the first of KEYS that reads true, or -1.
    static int firstTrue(std::initializer_list<const char *> keys);
    // Forgets a stored value, so the registered default applies again.
    static void removeKey(const char *key);
    // Makes KEY read VALUE for the rest of the process without storing it
    // (the command line's options apply to one run only). Writes to KEY still
    // go to the store but are hidden while the override holds.
    static void overrideForThisRun(const char *key, const QVariant &value);

    // Points the store at FOLDER/Korvan/Korvan.conf instead of the user's
    // configuration folder; an empty folder goes back to the default store.
    // For tests and tools; call before other threads read settings.
    static void setStoreFolder(const QString &folder);
    // Writes pending changes to disk now (the store also does so on its own).
    static void sync();

private:
    static QVariant value(const char *key);
};
