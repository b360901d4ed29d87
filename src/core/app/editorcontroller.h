#pragma once

#include "app/sortdescriptor.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class Alerts;
class FieldCommands;
class Song;
class TagsReader;
class TagsWriter;

// Owns the song list the user is editing and its selection, and everything
// that changes the list's membership or order: adding files and folders,
// removing, clearing, reloading, moving and sorting. It also holds the
// progress text and the status line. Field values are edited through the
// selected songs' setters, not here.
//
// Every change of membership or order is announced by songsAboutToChange()
// before and songsChanged() after (sorting announces songsSorted() instead).
class EditorController : public QObject
{
    Q_OBJECT
public:
    // "No selection" for an index.
    static constexpr int NotFound = 2147483647;

    explicit EditorController(QObject *parent = nullptr);
    ~EditorController() override;

    const std::vector<std::unique_ptr<Song>> &songs() const { return m_songs; }
    int count() const { return int(m_songs.size()); }
    Song *songAt(int row) const { return m_songs.at(size_t(row)).get(); }
    // The row of SONG, or -1.
    int indexOf(const Song *song) const;

    // The selected rows, ascending, whatever the order of clicking.
    const QList<int> &selectionIndexes() const { return m_selectionIndexes; }
    // The first selected row, or NotFound.
    int selectionIndex() const;
    // The selected songs in list order.
    QList<Song *> selectedSongs() const;
    // Rows out of range are ignored.
    void setSelectionIndexes(const QList<int> &rows);

    // Gathers the music files under PATHS and appends their songs at the end
    // of the list, in gathering order. Shows "Reading..." meanwhile.
    void traverseFiles(const QStringList &paths);
    // Appends the music files under PATH to FILES (depth-first, loop-safe).
    void traverseFile(const QString &path, QStringList &files);
    // Removes the selected songs; with none selected nothing happens.
    void removeSongs();
    void clearSongs();
    // Reads every song's file again, discarding all edits; the order stays.
    void reloadSongs();
    // Moves the songs at INDEXES (strictly descending, as a drag delivers
    // them) to ROW as one block in their previous order. Indexes out of range
    // or not strictly descending, or a row beyond the end, change nothing.
    void moveSongs(const QList<int> &indexes, int row);
    // Sorts the list in place; an empty list of descriptors changes nothing.
    void sortUsingDescriptors(const SortDescriptors &descriptors);

    // With a message: shows it beside a busy indicator; with a null message:
    // stops the indicator and shows "".
    void showProgressBar(const QString &message);
    const QString &progressMessage() const { return m_progressMessage; }
    bool isBusy() const { return !m_progressMessage.isEmpty(); }

    // "No songs loaded", "1 song loaded, K selected" or "N songs loaded, K selected".
    QString statusMessage() const;

    // Writes every modified song to its file and renames the files whose name
    // was edited; failures are shown in one alert. Shows "Saving..." meanwhile.
    // True when every modified song was saved completely.
    bool saveSongs();
    // Whether any song of the list carries an unsaved change.
    bool hasModifiedSongs() const;

    // Where alerts are shown; not owned. Without one, failures are only returned.
    void setAlerts(Alerts *alerts) { m_alerts = alerts; }
    Alerts *alerts() const { return m_alerts; }

    FieldCommands &fieldCommands() const { return *m_fieldCommands; }

Q_SIGNALS:
    void songsAboutToChange();
    void songsChanged();
    // The list was reordered by sortUsingDescriptors.
    void songsSorted();
    void selectionChanged();
    void statusMessageChanged();
    // The progress text changed (see progressMessage and isBusy).
    void progressChanged();
    // DONE of TOTAL files have been read or saved (emitted while reading or saving).
    void progressValueChanged(int done, int total);
    // A save has ended; songs may have been renamed and cleared of their flags.
    void songsSaved();
    // The table's sort indicator must be cleared: the order is the user's again.
    void sortDescriptorsCleared();

private:
    class Announcement;
    void eraseSongs(const QList<int> &descendingRows);
    // Tells the user which music files could not be added for their names.
    void reportSkipped(const QStringList &names);
    void updateSelectionIndexes();

    std::vector<std::unique_ptr<Song>> m_songs;
    QSet<const Song *> m_selected;
    QList<int> m_selectionIndexes;
    QString m_progressMessage = QStringLiteral("");
    std::unique_ptr<TagsReader> m_reader;
    std::unique_ptr<TagsWriter> m_writer;
    Alerts *m_alerts = nullptr;
    std::unique_ptr<FieldCommands> m_fieldCommands;
};
