#pragma once

#include <QAbstractTableModel>

class BrowserController;

// The titles of the current release as the results table shows them: the
// row number, the title with its check box, and the release's artist.
class BrowserTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TrackColumn, TitleColumn, ArtistColumn, ColumnCount };

    explicit BrowserTableModel(BrowserController &browser, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    BrowserController &m_browser;
};
