#pragma once

#include <QElapsedTimer>
#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}
class BrowserPage;
class EditorPage;
class MessageBoxAlerts;
class PreferenceController;
class PreviewWindow;
class QLabel;
class QProgressBar;
struct Controllers;

// The main window: the editor and browser views, menus and shortcuts, the
// status line with progress, and the question at quit. The work itself is
// done by the core controllers it is wired to.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Controllers &controllers, QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow &ui() { return *m_ui; }
    PreviewWindow *previewWindow() const { return m_preview; }
    void addSongs();
    void addFolder();
    void showPreferences();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void wireViews();
    void wireStatus();
    void showEditorView();
    void showBrowserView();
    void showProgress(const QString &message, bool busy);
    void showProgressValue(int done, int total);
    void showAbout();

    std::unique_ptr<Ui::MainWindow> m_ui;
    Controllers &m_controllers;
    std::unique_ptr<MessageBoxAlerts> m_alerts;
    EditorPage *m_editorPage;
    BrowserPage *m_browserPage;
    PreviewWindow *m_preview;
    PreferenceController *m_preferenceController = nullptr;
    QLabel *m_statusLabel;
    QLabel *m_progressMessage;
    QProgressBar *m_progressBar;
    QElapsedTimer m_lastRepaint;
};
