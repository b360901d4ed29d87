#pragma once

#include <QMainWindow>

class EditorController;
class QLabel;
class QProgressBar;
class QTableWidget;

// A plain window that lists the songs of the files and folders added to it.
class SongListWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit SongListWindow(EditorController &controller, QWidget *parent = nullptr);

private:
    void addFiles();
    void addFolder();
    void fillTable();
    void showProgress(int done, int total);

    EditorController &m_controller;
    QTableWidget *m_table;
    QLabel *m_status;
    QProgressBar *m_progress;
};
