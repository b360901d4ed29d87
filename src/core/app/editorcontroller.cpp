#include "editorcontroller.h"

#include "app/alerts.h"
#include "app/fieldcommands.h"
#include "app/filegatherer.h"
#include "model/song.h"
#include "tags/tagsreader.h"
#include "tags/tagswriter.h"

#include <algorithm>

// Announces a change of the song list for as long as it lives: before, and
// after with the selection brought in step with the new rows.
class EditorController::Announcement
{
public:
    explicit Announcement(EditorController &controller)
        : m_controller(controller)
        , m_selectionBefore(controller.m_selectionIndexes)
    {
        Q_EMIT m_controller.songsAboutToChange();
    }
    ~Announcement()
    {
        m_controller.updateSelectionIndexes();
        Q_EMIT m_controller.songsChanged();
        if (m_controller.m_selectionIndexes != m_selectionBefore)
            Q_EMIT m_controller.selectionChanged();
        Q_EMIT m_controller.statusMessageChanged();
    }
    Announcement(const Announcement &) = delete;
    Announcement &operator=(const Announcement &) = delete;

private:
    EditorController &m_controller;
    const QList<int> m_selectionBefore;
};

EditorController::EditorController(QObject *parent)
    : QObject(parent)
    , m_reader(std::make_unique<TagsReader>())
    , m_writer(std::make_unique<TagsWriter>())
    , m_fieldCommands(std::make_unique<FieldCommands>(*this))
{}

EditorController::~EditorController() = default;

int EditorController::indexOf(const Song *song) const
{
    const auto found =
        std::find_if(m_songs.begin(), m_songs.end(), [song](const auto &held) { return held.get() == song; });
    return found == m_songs.end() ? -1 : int(found - m_songs.begin());
}

int EditorController::selectionIndex() const
{
    return m_selectionIndexes.isEmpty() ? NotFound : m_selectionIndexes.first();
}

QList<Song *> EditorController::selectedSongs() const
{
    QList<Song *> selected;
    selected.reserve(m_selectionIndexes.size());
    for (int row : m_selectionIndexes)
        selected.append(m_songs[size_t(row)].get());
    return selected;
}

void EditorController::setSelectionIndexes(const QList<int> &rows)
{
    QSet<const Song *> selected;
    for (int row : rows) {
        if (row >= 0 && row < count())
            selected.insert(m_songs[size_t(row)].get());
    }
    m_selected = selected;
    const QList<int> before = m_selectionIndexes;
    updateSelectionIndexes();
    if (m_selectionIndexes == before)
        return;
    Q_EMIT selectionChanged();
    Q_EMIT statusMessageChanged();
}

void EditorController::updateSelectionIndexes()
{
    m_selectionIndexes.clear();
    if (m_selected.isEmpty())
        return;
    for (size_t row = 0; row < m_songs.size(); ++row) {
        if (m_selected.contains(m_songs[row].get()))
            m_selectionIndexes.append(int(row));
    }
}

void EditorController::traverseFile(const QString &path, QStringList &files)
{
    FileGatherer().traverseFile(path, files);
}

void EditorController::traverseFiles(const QStringList &paths)
{
    showProgressBar(tr("Reading..."));
    QStringList files;
    FileGatherer gatherer;
    for (const QString &path : paths)
        gatherer.traverseFile(path, files);
    reportSkipped(gatherer.skippedNames());
    {
        Announcement announcement(*this);
        const size_t before = m_songs.size();
        m_reader->parseFiles(files, m_songs,
                             [this](int done, int total) { Q_EMIT progressValueChanged(done, total); });
        if (m_songs.size() > before)
            Q_EMIT sortDescriptorsCleared();
    }
    showProgressBar(QString());
}

void EditorController::reportSkipped(const QStringList &names)
{
    if (names.isEmpty() || !m_alerts)
        return;
    QString details;
    for (const QString &name : names)
        details += QStringLiteral("\u2022 %1\n").arg(name);
    m_alerts->runFailureAlert(tr("Korvan could not add one or more files."),
                              tr("Their names are not valid UTF-8. Rename them to add them."), details);
}

void EditorController::eraseSongs(const QList<int> &descendingRows)
{
    for (int row : descendingRows) {
        m_selected.remove(m_songs[size_t(row)].get());
        m_songs.erase(m_songs.begin() + row);
    }
    // Kept valid at once: the display may ask for the selection while the
    // change is still being announced.
    updateSelectionIndexes();
}

void EditorController::removeSongs()
{
    if (m_selectionIndexes.isEmpty())
        return;
    Announcement announcement(*this);
    QList<int> rows = m_selectionIndexes;
    std::reverse(rows.begin(), rows.end());
    eraseSongs(rows);
}

void EditorController::clearSongs()
{
    Announcement announcement(*this);
    m_selected.clear();
    m_songs.clear();
    updateSelectionIndexes();
}

void EditorController::reloadSongs()
{
    Announcement announcement(*this);
    QStringList paths;
    paths.reserve(count());
    for (const auto &song : m_songs)
        paths.append(song->filePath());
    m_selected.clear();
    m_songs.clear();
    updateSelectionIndexes();
    traverseFiles(paths);
}

void EditorController::moveSongs(const QList<int> &indexes, int row)
{
    if (indexes.isEmpty() || row < 0 || row > count())
        return;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        const bool inRange = indexes[i] >= 0 && indexes[i] < count();
        if (!inRange || (i > 0 && indexes[i] >= indexes[i - 1]))
            return;
    }
    Q_EMIT sortDescriptorsCleared();
    Announcement announcement(*this);
    std::vector<std::unique_ptr<Song>> holding;
    for (int index : indexes) {
        if (index < row)
            --row;
        holding.push_back(std::move(m_songs[size_t(index)]));
        m_songs.erase(m_songs.begin() + index);
    }
    for (auto held = holding.rbegin(); held != holding.rend(); ++held)
        m_songs.insert(m_songs.begin() + row++, std::move(*held));
}

void EditorController::sortUsingDescriptors(const SortDescriptors &descriptors)
{
    if (descriptors.isEmpty() || m_songs.size() < 2)
        return;
    const SongOrdering ordering(descriptors);
    std::stable_sort(m_songs.begin(), m_songs.end(),
                     [&ordering](const auto &a, const auto &b) { return ordering(*a, *b); });
    const QList<int> before = m_selectionIndexes;
    updateSelectionIndexes();
    Q_EMIT songsSorted();
    if (m_selectionIndexes != before)
        Q_EMIT selectionChanged();
}

bool EditorController::saveSongs()
{
    showProgressBar(tr("Saving..."));
    const QString report = m_writer->writeFiles(
        m_songs, m_alerts, [this](int done, int total) { Q_EMIT progressValueChanged(done, total); });
    showProgressBar(QString());
    Q_EMIT songsSaved();
    return report.isEmpty();
}

bool EditorController::hasModifiedSongs() const
{
    return std::any_of(m_songs.begin(), m_songs.end(), [](const auto &song) { return song->isModified(); });
}

void EditorController::showProgressBar(const QString &message)
{
    m_progressMessage = message.isNull() ? QStringLiteral("") : message;
    Q_EMIT progressChanged();
}

QString EditorController::statusMessage() const
{
    const int n = count();
    const int k = int(m_selectionIndexes.size());
    if (n == 0)
        return tr("No songs loaded");
    if (n == 1)
        return tr("1 song loaded, %1 selected").arg(k);
    return tr("%1 songs loaded, %2 selected").arg(n).arg(k);
}
