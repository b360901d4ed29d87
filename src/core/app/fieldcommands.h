#pragma once

#include <QList>
#include <QString>

class EditorController;
class Song;

// Commands on one field of every selected song at once: the clear commands
// and the link that makes the album artist follow the artist
// (BIND_ALBUM_ARTIST_TO_ARTIST). Each goes through the Song setters, in list
// order, so every real change is flagged for the next save.
class FieldCommands
{
public:
    // The editor's field controls, as far as the commands care.
    enum class Control { Track, Title, Artist, AlbumArtist, Album, Genre, Year, Comment, Other };
    // Editing commands a field passes on; InsertNewline is the Return key.
    enum class Command { InsertNewline, Other };

    explicit FieldCommands(EditorController &controller);

    void clearArtist();
    void clearAlbumArtist();
    void clearAlbum();
    void clearGenre();
    void clearYear();
    void clearComment();

    // Stores the opposite of the link setting, then applyArtistToAlbumArtist().
    void toggleArtistsLink();
    // While the link is on, copies each selected song's artist into its album artist.
    void applyArtistToAlbumArtist();
    // Called before a field handles COMMAND. With the link on, Return in the
    // artist field first copies each selected song's current artist into its
    // album artist, so that after the field commits, album artist equals
    // artist on every selected song. Returns false: the field goes on with
    // its own handling.
    bool control(Control control, Command command);

private:
    QList<Song *> selectedSongs() const;
    void clearText(void (Song::*setter)(const QString &));

    EditorController &m_controller;
};
