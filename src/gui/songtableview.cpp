#include "songtableview.h"

#include "app/editorcontroller.h"
#include "app/tabledatasource.h"
#include "shell/quicklook.h"
#include "songtablemodel.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

SongTableView::SongTableView(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
}

void SongTableView::setControllers(EditorController &controller, TableDataSource &dataSource,
                                   QuickLook &quickLook)
{
    m_controller = &controller;
    m_dataSource = &dataSource;
    m_quickLook = &quickLook;
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SongTableView::selectionToController);
    connect(&controller, &EditorController::selectionChanged, this, &SongTableView::selectFromController);
    connect(&controller, &EditorController::songsChanged, this, &SongTableView::selectFromController);
    connect(&controller, &EditorController::songsSorted, this, &SongTableView::selectFromController);
    connect(&controller, &EditorController::sortDescriptorsCleared, this,
            [this] { horizontalHeader()->setSortIndicatorShown(false); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        QHeaderView *header = horizontalHeader();
        const bool sameColumn = header->isSortIndicatorShown() && header->sortIndicatorSection() == column;
        const Qt::SortOrder order = sameColumn && header->sortIndicatorOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        header->setSortIndicatorShown(true);
        header->setSortIndicator(column, order);
        m_controller->sortUsingDescriptors({SongTableModel::sortDescriptor(column, order)});
    });
}

void SongTableView::selectionToController()
{
    if (m_syncing || !m_controller)
        return;
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    m_syncing = true;
    m_controller->setSelectionIndexes(rows);
    m_syncing = false;
}

void SongTableView::selectFromController()
{
    if (m_syncing || !m_controller)
        return;
    m_syncing = true;
    QItemSelection selection;
    const QList<int> &rows = m_controller->selectionIndexes();
    // Runs of adjacent rows become one range: 10,000 selected songs stay cheap.
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(model()->index(rows[i], 0), model()->index(rows[j], model()->columnCount() - 1));
        i = j + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void SongTableView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (m_quickLook)
            m_quickLook->toggleQuickLook();
        return;
    }
    if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        Q_EMIT deletePressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SongTableView::startDrag(Qt::DropActions)
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    QMimeData *data = TableDataSource::writeRows(rows);
    if (!data)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::LinkAction | Qt::MoveAction, Qt::LinkAction);
}

int SongTableView::dropRow(const QPoint &position) const
{
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : model()->rowCount();
}

void SongTableView::acceptDrag(QDropEvent *event)
{
    if (!m_dataSource) {
        event->ignore();
        return;
    }
    const bool allowsLink = event->possibleActions() & Qt::LinkAction;
    const TableDataSource::DropResult result =
        m_dataSource->validateDrop(*event->mimeData(), dropRow(event->position().toPoint()), allowsLink);
    m_highlightWholeTable = result.accepted && result.onWholeTable;
    viewport()->update();
    if (result.accepted) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void SongTableView::dragEnterEvent(QDragEnterEvent *event)
{
    acceptDrag(event);
}

void SongTableView::dragMoveEvent(QDragMoveEvent *event)
{
    acceptDrag(event);
}

void SongTableView::dragLeaveEvent(QDragLeaveEvent *event)
{
    m_highlightWholeTable = false;
    viewport()->update();
    QTableView::dragLeaveEvent(event);
}

void SongTableView::dropEvent(QDropEvent *event)
{
    m_highlightWholeTable = false;
    viewport()->update();
    if (!m_dataSource || !(event->possibleActions() & Qt::LinkAction)) {
        event->ignore();
        return;
    }
    const TableDataSource::DropResult result =
        m_dataSource->acceptDrop(*event->mimeData(), dropRow(event->position().toPoint()));
    if (result.accepted) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void SongTableView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!m_highlightWholeTable)
        return;
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Highlight), 3);
    painter.setPen(pen);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
}
