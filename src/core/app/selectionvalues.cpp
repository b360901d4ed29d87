#include "selectionvalues.h"

#include "app/numericalcompare.h"
#include "app/valuetransformers.h"

#include <algorithm>

QString SelectionValues::text(const Song &song, Song::Field field)
{
    switch (field) {
    case Song::Track:
        return song.track();
    case Song::Title:
        return song.title();
    case Song::Artist:
        return song.artist();
    case Song::AlbumArtist:
        return song.albumArtist();
    case Song::Album:
        return song.album();
    case Song::Genre:
        return song.genre();
    case Song::Year:
        return Number2StringTransformer::transformedValue(song.year()).toString();
    case Song::Comment:
        return song.comment();
    case Song::Compilation:
        return QString::number(song.isCompilation() ? 1 : 0);
    case Song::FileName:
        return song.fileName();
    case Song::Images:
        break;
    }
    return QString();
}

SelectionValues::FieldState SelectionValues::state(const QList<Song *> &songs, Song::Field field)
{
    FieldState state;
    state.enabled = field == Song::FileName ? songs.size() == 1 : !songs.isEmpty();
    if (songs.isEmpty())
        return state;
    QVariantList values;
    values.reserve(songs.size());
    for (const Song *song : songs)
        values.append(text(*song, field));
    state.text = values.first().toString();
    state.multiple =
        std::any_of(values.begin() + 1, values.end(), [&](const QVariant &v) { return v != values.first(); });
    if (state.multiple)
        state.text.clear();
    for (const QVariant &value : Array2SetAsArrayTransformer::transformedValue(values).toList())
        state.choices.append(value.toString());
    std::sort(state.choices.begin(), state.choices.end(),
              [](const QString &a, const QString &b) { return numericalCompare(a, b) < 0; });
    return state;
}

void SelectionValues::commit(const QList<Song *> &songs, Song::Field field, const QString &text)
{
    const QString value = text.isNull() ? QStringLiteral("") : text;
    for (Song *song : songs) {
        switch (field) {
        case Song::Track:
            song->setTrack(value);
            break;
        case Song::Title:
            song->setTitle(value);
            break;
        case Song::Artist:
            song->setArtist(value);
            break;
        case Song::AlbumArtist:
            song->setAlbumArtist(value);
            break;
        case Song::Album:
            song->setAlbum(value);
            break;
        case Song::Genre:
            song->setGenre(value);
            break;
        case Song::Year:
            song->setYear(Number2StringTransformer::reverseTransformedValue(value).toInt());
            break;
        case Song::Comment:
            song->setComment(value);
            break;
        case Song::Compilation:
            song->setIsCompilation(value);
            break;
        case Song::FileName:
            song->setFileName(value);
            break;
        case Song::Images:
            break;
        }
    }
}
