#pragma once

#include <QTableView>

// The search results table. It never takes the keyboard focus, so clicking
// its check boxes leaves the focus (and the selected cover's marker) in the
// cover strip.
class BrowserTableView : public QTableView
{
    Q_OBJECT
public:
    explicit BrowserTableView(QWidget *parent = nullptr);
};
