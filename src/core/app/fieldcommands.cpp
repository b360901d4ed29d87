#include "fieldcommands.h"

#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"

FieldCommands::FieldCommands(EditorController &controller)
    : m_controller(controller)
{}

QList<Song *> FieldCommands::selectedSongs() const
{
    return m_controller.selectedSongs();
}

void FieldCommands::clearText(void (Song::*setter)(const QString &))
{
    for (Song *song : selectedSongs())
        (song->*setter)(QStringLiteral(""));
}

void FieldCommands::clearArtist()
{
    clearText(&Song::setArtist);
}

void FieldCommands::clearAlbumArtist()
{
    clearText(&Song::setAlbumArtist);
}

void FieldCommands::clearAlbum()
{
    clearText(&Song::setAlbum);
}

void FieldCommands::clearGenre()
{
    clearText(&Song::setGenre);
}

void FieldCommands::clearYear()
{
    for (Song *song : selectedSongs())
        song->setYear(0);
}

void FieldCommands::clearComment()
{
    clearText(&Song::setComment);
}

void FieldCommands::toggleArtistsLink()
{
    using SettingsKeys::BIND_ALBUM_ARTIST_TO_ARTIST;
    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, !Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST));
    applyArtistToAlbumArtist();
}

void FieldCommands::applyArtistToAlbumArtist()
{
    if (!Settings::boolForKey(SettingsKeys::BIND_ALBUM_ARTIST_TO_ARTIST))
        return;
    for (Song *song : selectedSongs())
        song->setAlbumArtist(song->artist());
}

bool FieldCommands::control(Control control, Command command)
{
    if (control == Control::Artist && command == Command::InsertNewline)
        applyArtistToAlbumArtist();
    return false;
}
