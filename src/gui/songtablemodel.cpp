#include "songtablemodel.h"

#include "app/editorcontroller.h"
#include "app/selectionvalues.h"
#include "app/tabledatasource.h"
#include "model/song.h"

#include <QApplication>
#include <QFont>
#include <QMimeData>
#include <QPalette>

namespace {

struct ColumnInfo
{
    const char *title;
    const char *key;
    Song::Field field;
};

const ColumnInfo columns[] = {
    {QT_TRANSLATE_NOOP("SongTableModel", "#"), "track", Song::Track},
    {QT_TRANSLATE_NOOP("SongTableModel", "Title"), "title", Song::Title},
    {QT_TRANSLATE_NOOP("SongTableModel", "Artist"), "artist", Song::Artist},
    {QT_TRANSLATE_NOOP("SongTableModel", "Album Artist"), "albumArtist", Song::AlbumArtist},
    {QT_TRANSLATE_NOOP("SongTableModel", "Album"), "album", Song::Album},
    {QT_TRANSLATE_NOOP("SongTableModel", "Genre"), "genre", Song::Genre},
    {QT_TRANSLATE_NOOP("SongTableModel", "Year"), "year", Song::Year},
    {QT_TRANSLATE_NOOP("SongTableModel", "Comment"), "comment", Song::Comment},
    {QT_TRANSLATE_NOOP("SongTableModel", "Compilation"), "isCompilation", Song::Compilation},
    {QT_TRANSLATE_NOOP("SongTableModel", "File Name"), "fileName", Song::FileName},
};

QString cellText(const Song &song, int column)
{
    if (column == SongTableModel::CompilationColumn)
        return QString(); // a check box
    const QString text = SelectionValues::text(song, columns[column].field);
    // A comment of several lines shows its first one.
    return column == SongTableModel::CommentColumn ? text.section(u'\n', 0, 0) : text;
}

} // namespace

SongTableModel::SongTableModel(EditorController &controller, TableDataSource &dataSource, QObject *parent)
    : QAbstractTableModel(parent)
    , m_controller(controller)
    , m_dataSource(dataSource)
{
    connect(&m_controller, &EditorController::songsAboutToChange, this, &SongTableModel::beginResetModel);
    connect(&m_controller, &EditorController::songsChanged, this, [this] {
        endResetModel();
        watchSongs();
    });
    connect(&m_controller, &EditorController::songsSorted, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&m_controller, &EditorController::songsSaved, this, [this] {
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    });
    watchSongs();
}

void SongTableModel::watchSongs()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_connections.reserve(m_controller.count());
    for (const auto &song : m_controller.songs())
        m_connections.append(connect(song.get(), &Song::modifiedChanged, this, &SongTableModel::songChanged));
}

void SongTableModel::songChanged()
{
    // A batch command changes thousands of songs in one go: redraw once after it.
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_redrawPending = false;
            if (rowCount() > 0)
                Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        },
        Qt::QueuedConnection);
}

int SongTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_controller.count();
}

int SongTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SongTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_controller.count())
        return QVariant();
    const Song &song = *m_controller.songAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (index.column() == CompilationColumn)
            return QVariant();
        if (role == Qt::ToolTipRole && index.column() == FileNameColumn)
            return song.filePath();
        // A song without a title is known by its file name, shown as a stand-in.
        if (index.column() == TitleColumn && song.title().isEmpty())
            return song.fileNameWithoutExtension();
        return cellText(song, index.column());
    case Qt::CheckStateRole:
        if (index.column() == CompilationColumn)
            return song.isCompilation() ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case Qt::FontRole: {
        const bool standIn = index.column() == TitleColumn && song.title().isEmpty();
        if (!song.isModified() && !standIn)
            return QVariant();
        QFont font = QApplication::font();
        font.setBold(song.isModified());
        font.setItalic(standIn);
        return font;
    }
    case Qt::ForegroundRole:
        if (song.isModified(columns[index.column()].field))
            return QApplication::palette().color(QPalette::Link);
        if (index.column() == TitleColumn && song.title().isEmpty())
            return QApplication::palette().color(QPalette::PlaceholderText);
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == TrackColumn || index.column() == YearColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant SongTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return tr(columns[section].title);
    return QVariant();
}

Qt::ItemFlags SongTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions SongTableModel::supportedDropActions() const
{
    return Qt::LinkAction | Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions SongTableModel::supportedDragActions() const
{
    return Qt::LinkAction | Qt::MoveAction;
}

QStringList SongTableModel::mimeTypes() const
{
    return {TableDataSource::SongSelectionType, QStringLiteral("text/uri-list")};
}

QMimeData *SongTableModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (!rows.contains(index.row()))
            rows.append(index.row());
    }
    return TableDataSource::writeRows(rows);
}

SortDescriptor SongTableModel::sortDescriptor(int column, Qt::SortOrder order)
{
    SortDescriptor descriptor;
    descriptor.key = QString::fromLatin1(columns[qBound(0, column, int(ColumnCount) - 1)].key);
    descriptor.ascending = order == Qt::AscendingOrder;
    descriptor.comparison = SortDescriptor::Comparison::Numerical;
    return descriptor;
}
