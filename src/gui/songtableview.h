#pragma once

#include <QTableView>

class EditorController;
class QuickLook;
class TableDataSource;

// The song table: rows dragged to reorder, files and folders dropped from a
// file manager, header clicks sort, Space opens the preview, Delete removes.
// Its selection is kept in step with the controller's.
class SongTableView : public QTableView
{
    Q_OBJECT
public:
    explicit SongTableView(QWidget *parent = nullptr);

    void setControllers(EditorController &controller, TableDataSource &dataSource, QuickLook &quickLook);

Q_SIGNALS:
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int dropRow(const QPoint &position) const;
    void acceptDrag(QDropEvent *event);
    void selectFromController();
    void selectionToController();

    EditorController *m_controller = nullptr;
    TableDataSource *m_dataSource = nullptr;
    QuickLook *m_quickLook = nullptr;
    bool m_syncing = false;
    bool m_highlightWholeTable = false;
};
