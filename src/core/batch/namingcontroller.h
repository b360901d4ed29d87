#pragma once

#include <QString>

class EditorController;

// Gives the selected songs file names built from their tags: artist and
// title, track and title, or track, artist and title, joined by " - " or " "
// (NAMING_* settings). Only fileName changes; the file gets its new name
// when the songs are saved. Songs that lack a needed field are skipped and
// reported.
class NamingController
{
public:
    enum class Scheme { None, ArtistAndTitle, TrackAndTitle, TrackArtistAndTitle };

    explicit NamingController(EditorController &controller);

    void selectArtistAndTitle();
    void selectTrackAndTitle();
    void selectTrackArtistAndTitle();
    // The first chosen scheme in the order artist and title, track and
    // title, track artist and title.
    static Scheme chosenScheme();
    // Appends the chosen separator to NAME.
    static void appendSeparator(QString &name);
    // The track number part of a track text: the text before the first "/"
    // ("3/12" gives "3"), or "/" for a text that begins with one.
    static QString trackNumber(const QString &track);

    // Names the selected songs. Skipped songs are reported through the
    // controller's alerts; the report is returned too ("" when none).
    QString applyNamingToSongs();

private:
    EditorController &m_controller;
};
