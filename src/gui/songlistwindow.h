#pragma once

#include <QMainWindow>

#include <memory>
#include <vector>

class QTableWidget;
class Song;
class TagsReader;

// A plain window that lists the songs of the files and folders added to it.
class SongListWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit SongListWindow(QWidget *parent = nullptr);
    ~SongListWindow() override;

    void addPaths(const QStringList &paths);

private:
    void addFiles();
    void addFolder();
    void appendRow(const Song &song);

    QTableWidget *m_table;
    std::unique_ptr<TagsReader> m_reader;
    std::vector<std::unique_ptr<Song>> m_songs;
};
