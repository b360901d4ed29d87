#pragma once

#include "app/sortdescriptor.h"

#include <QAbstractTableModel>
#include <QList>
#include <QMetaObject>

class EditorController;
class Song;
class TableDataSource;

// The song list as the song table shows it, row for row. Dragging rows and
// dropping files go to the table data source; modified songs are drawn bold,
// their changed values in the accent colour.
class SongTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        TrackColumn,
        TitleColumn,
        ArtistColumn,
        AlbumArtistColumn,
        AlbumColumn,
        GenreColumn,
        YearColumn,
        CommentColumn,
        CompilationColumn,
        FileNameColumn,
        ColumnCount
    };

    SongTableModel(EditorController &controller, TableDataSource &dataSource, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    // The sort a click on COLUMN's header asks for.
    static SortDescriptor sortDescriptor(int column, Qt::SortOrder order);

private:
    void watchSongs();
    void songChanged();

    EditorController &m_controller;
    TableDataSource &m_dataSource;
    QList<QMetaObject::Connection> m_connections;
    bool m_redrawPending = false;
};
