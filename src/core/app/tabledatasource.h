#pragma once

#include <QList>
#include <QString>

class EditorController;
class QMimeData;

// The song table's dragging and dropping, away from any widget: rows dragged
// within the table are moved, files and folders dropped from outside are
// added at the end of the list. File URLs win over dragged rows.
class TableDataSource
{
public:
    // The private format of rows dragged within the table: a JSON array of
    // the row indexes as decimal texts, highest row first.
    static const QString SongSelectionType;

    explicit TableDataSource(EditorController &controller);

    // The drag data for ROWS, or null when there are none (no drag starts).
    static QMimeData *writeRows(const QList<int> &rows);
    // The row texts of a drag, as written (empty when there are none).
    static QStringList songSelection(const QMimeData &data);

    struct DropResult
    {
        bool accepted = false;
        // The drop concerns the whole table, not a place between rows.
        bool onWholeTable = false;
    };
    // Whether a drop of DATA at ROW would be accepted. SOURCE_ALLOWS_LINK:
    // whether the drag's source permits linking (moves within the table and
    // files from a file manager do); without it nothing is accepted.
    DropResult validateDrop(const QMimeData &data, int row, bool sourceAllowsLink) const;
    // Carries the drop out: moves the dragged rows to ROW, or adds the dropped
    // files and folders at the end of the list.
    DropResult acceptDrop(const QMimeData &data, int row);

private:
    DropResult processPasteboard(const QMimeData &data, bool conclude, int row) const;

    EditorController &m_controller;
};
