#pragma once

#include "model/song.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a field editor shows one field of the selected songs, and how what it
// commits reaches them: one common value is shown as it is; differing values
// show an empty field marked as multiple, and the distinct values are
// offered to choose from.
class SelectionValues
{
public:
    struct FieldState
    {
        QString text; // the common value ("" for none or several)
        bool multiple = false;
        QStringList choices; // distinct non-empty values, in file-manager order
        bool enabled = false;
    };

    // FIELD is one of Track, Title, Artist, AlbumArtist, Album, Genre, Year,
    // Comment, Compilation ("1" or "0") or FileName (one song only).
    static FieldState state(const QList<Song *> &songs, Song::Field field);
    // Sets TEXT on every song through the field's setter.
    static void commit(const QList<Song *> &songs, Song::Field field, const QString &text);
    // The field's value as an editor shows it ("" for year 0).
    static QString text(const Song &song, Song::Field field);
};
