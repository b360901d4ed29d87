#pragma once

#include <QObject>

namespace Ui {
class MainWindow;
}
class FieldEditors;
class QLabel;
class SongTableModel;
struct Controllers;

// Wires the editor view: the song table, the tag fields and their buttons,
// the image well and the batch panels.
class EditorPage : public QObject
{
    Q_OBJECT
public:
    EditorPage(Ui::MainWindow &ui, Controllers &controllers, QWidget *window);

    // Shows the batch panels' choices as the settings now hold them.
    void showSettings();
    // Opens the file dialog for images to add to the selected songs.
    void addImage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireTable();
    void wireFields();
    void wireImages();
    void wireBatch();
    void updateDragHereLabel();

    Ui::MainWindow &m_ui;
    Controllers &m_controllers;
    QWidget *m_window;
    SongTableModel *m_model;
    FieldEditors *m_fields;
    QLabel *m_dragHereLabel;
};
