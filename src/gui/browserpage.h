#pragma once

#include <QObject>

namespace Ui {
class MainWindow;
}
class BrowserTableModel;
struct Controllers;

// Wires the browser view: the search field, the cover strip, the results
// table and its buttons.
class BrowserPage : public QObject
{
    Q_OBJECT
public:
    BrowserPage(Ui::MainWindow &ui, Controllers &controllers, QObject *parent);

    // Shows the browser's search text in the field, selected so typing replaces it.
    void showSearchText();
    void search();

private:
    void showResults();
    void showStatus();

    Ui::MainWindow &m_ui;
    Controllers &m_controllers;
    BrowserTableModel *m_model;
};
