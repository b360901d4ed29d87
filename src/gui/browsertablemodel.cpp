#include "browsertablemodel.h"

#include "browser/browsercontroller.h"

BrowserTableModel::BrowserTableModel(BrowserController &browser, QObject *parent)
    : QAbstractTableModel(parent)
    , m_browser(browser)
{
    // Rows and checks both come from the current release: draw everything again.
    connect(&m_browser, &BrowserController::tableChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int BrowserTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_browser.numberOfRows();
}

int BrowserTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BrowserTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case TrackColumn:
            return m_browser.trackText(index.row());
        case TitleColumn:
            return m_browser.titleText(index.row());
        case ArtistColumn:
            return m_browser.artistText();
        default:
            return QString();
        }
    }
    if (role == Qt::CheckStateRole && index.column() == TitleColumn)
        return m_browser.flagAt(index.row()) == 1 ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() == TrackColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

bool BrowserTableModel::setData(const QModelIndex &index, const QVariant &, int role)
{
    // A click on the check box toggles the flag, whatever value the view hands in.
    if (role != Qt::CheckStateRole || index.column() != TitleColumn)
        return false;
    m_browser.toggleFlag(index.row());
    return true;
}

QVariant BrowserTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TrackColumn:
        return tr("#");
    case TitleColumn:
        return tr("Title");
    case ArtistColumn:
        return tr("Artist");
    default:
        return QVariant();
    }
}

Qt::ItemFlags BrowserTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TitleColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
