#pragma once

#include <QList>
#include <QString>

#include <vector>

class Song;

// One key of a sort of the song list, as a table column asks for it.
struct SortDescriptor
{
    enum class Comparison {
        Numerical, // numericalCompare: digit runs by value
        Plain,     // code unit by code unit
    };

    // A Song field name: "track", "title", "artist", "albumArtist", "album",
    // "genre", "year", "comment", "isCompilation", "fileName" or "filePath".
    // Numbers (year, compilation) compare by value; an unknown key finds every
    // pair of songs equal.
    QString key;
    bool ascending = true;
    Comparison comparison = Comparison::Numerical;
};

using SortDescriptors = QList<SortDescriptor>;

// The order of songs under a list of descriptors, the first deciding first.
// Keys are resolved once, so a sort pays only for the comparisons themselves.
class SongOrdering
{
public:
    explicit SongOrdering(const SortDescriptors &descriptors);

    // -1, 0 or +1 for A against B.
    int compare(const Song &a, const Song &b) const;
    bool operator()(const Song &a, const Song &b) const { return compare(a, b) < 0; }

private:
    struct Key
    {
        const QString &(Song::*text)() const = nullptr;
        int (Song::*number)() const = nullptr;
        bool numerical = true;
        bool ascending = true;
    };
    std::vector<Key> m_keys;
};
