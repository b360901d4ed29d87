#include "mainwindow.h"

#include "app/fieldcommands.h"
#include "app/quitquestion.h"
#include "app/settings.h"
#include "browserpage.h"
#include "controllers.h"
#include "editorpage.h"
#include "messageboxalerts.h"
#include "preferencecontroller.h"
#include "previewwindow.h"
#include "shell/donationcheck.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>

MainWindow::MainWindow(Controllers &controllers, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_controllers(controllers)
    , m_alerts(std::make_unique<MessageBoxAlerts>(this))
    , m_statusLabel(new QLabel(this))
    , m_progressMessage(new QLabel(this))
    , m_progressBar(new QProgressBar(this))
{
    m_ui->setupUi(this);
    m_controllers.editor.setAlerts(m_alerts.get());
    m_controllers.browser.setAlerts(m_alerts.get());
    m_editorPage = new EditorPage(*m_ui, m_controllers, this);
    m_browserPage = new BrowserPage(*m_ui, m_controllers, this);
    m_preview = new PreviewWindow(m_controllers.quickLook, m_ui->tableView, this);
    m_ui->editorSplitter->setStretchFactor(0, 1);
    m_ui->editorSplitter->setStretchFactor(1, 0);
    createMenus();
    wireViews();
    wireStatus();
    m_controllers.views.showEditor();
}

MainWindow::~MainWindow()
{
    // The pages use the form, which goes with this object; closing the
    // widgets while the base class tears down must not call back into them.
    delete m_editorPage;
    delete m_browserPage;
    const QObject *sources[] = {&m_controllers.editor, &m_controllers.browser, &m_controllers.views,
                                &m_controllers.onlineSearch, &m_controllers.quickLook};
    for (const QObject *source : sources)
        disconnect(source, nullptr, this, nullptr);
}

void MainWindow::createMenus()
{
    Controllers &c = m_controllers;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Add Files…"), QKeySequence::Open, this, &MainWindow::addSongs);
    file->addAction(tr("Add &Folder…"), QKeySequence(tr("Ctrl+Shift+O")), this, &MainWindow::addFolder);
    file->addSeparator();
    file->addAction(tr("&Save"), QKeySequence::Save, &c.editor, &EditorController::saveSongs);
    file->addAction(tr("&Reload from Disk"), QKeySequence(tr("Ctrl+R")), &c.editor,
                    &EditorController::reloadSongs);
    file->addSeparator();
    QAction *remove =
        file->addAction(tr("Re&move Selected Songs"), &c.editor, &EditorController::removeSongs);
    remove->setShortcut(QKeySequence::Delete);
    // Only in the song table: Delete in a text field deletes text.
    remove->setShortcutContext(Qt::WidgetShortcut);
    file->addAction(tr("&Clear List"), &c.editor, &EditorController::clearSongs);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    FieldCommands &commands = c.editor.fieldCommands();
    edit->addAction(tr("Clear &Artist"), [&commands] { commands.clearArtist(); });
    edit->addAction(tr("Clear Album A&rtist"), [&commands] { commands.clearAlbumArtist(); });
    edit->addAction(tr("Clear Al&bum"), [&commands] { commands.clearAlbum(); });
    edit->addAction(tr("Clear &Genre"), [&commands] { commands.clearGenre(); });
    edit->addAction(tr("Clear &Year"), [&commands] { commands.clearYear(); });
    edit->addAction(tr("Clear &Comment"), [&commands] { commands.clearComment(); });
    edit->addSeparator();
    edit->addAction(tr("Copy Artist to Album Artist"), [&commands] { commands.applyArtistToAlbumArtist(); });
    edit->addSeparator();
    edit->addAction(tr("&Preferences…"), QKeySequence(tr("Ctrl+,")), this, &MainWindow::showPreferences);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->addAction(tr("&Editor"), QKeySequence(tr("Ctrl+1")), this, [&c] { c.views.changeView(0); });
    view->addAction(tr("&Browser"), QKeySequence(tr("Ctrl+2")), this, [&c] { c.views.changeView(1); });
    view->addSeparator();
    QAction *preview = view->addAction(tr("&Preview"), &c.quickLook, &QuickLook::toggleQuickLook);
    preview->setShortcut(QKeySequence(Qt::Key_Space));
    preview->setShortcutContext(Qt::WidgetShortcut);

    QMenu *songs = menuBar()->addMenu(tr("&Songs"));
    songs->addAction(tr("&Number"), [&c] { c.numbering.applyNumberingToSongs(); });
    songs->addAction(tr("Change &Case"), [&c] { c.capitalization.applyCapitalizationToSongs(); });
    songs->addAction(tr("Name &Files"), [&c] { c.naming.applyNamingToSongs(); });
    songs->addAction(tr("&All in One"), QKeySequence(tr("Ctrl+Shift+A")), this,
                     [&c] { c.allInOne.doAllInOne(); });
    songs->addSeparator();
    songs->addAction(tr("Add &Image…"), m_editorPage, &EditorPage::addImage);
    songs->addSeparator();
    songs->addAction(tr("&Search Online"), QKeySequence::Find, &c.onlineSearch,
                     &OnlineSearch::searchInDiscogs);
    songs->addAction(tr("Search in &Store"), &c.onlineSearch, &OnlineSearch::searchInAmazon);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Donate…"), [] { QDesktopServices::openUrl(DonationCheck::DonationPage); });
    help->addAction(tr("&About Korvan"), this, &MainWindow::showAbout);

    connect(m_ui->saveButton, &QPushButton::clicked, &c.editor, &EditorController::saveSongs);
    connect(m_ui->searchOnlineButton, &QPushButton::clicked, &c.onlineSearch, &OnlineSearch::searchInDiscogs);
}

void MainWindow::wireViews()
{
    Controllers &c = m_controllers;
    connect(m_ui->editorSegment, &QToolButton::clicked, this, [&c] { c.views.changeView(0); });
    connect(m_ui->browserSegment, &QToolButton::clicked, this, [&c] { c.views.changeView(1); });
    connect(&c.views, &ViewController::editorShown, this, &MainWindow::showEditorView);
    connect(&c.views, &ViewController::browserShown, this, &MainWindow::showBrowserView);
    connect(&c.onlineSearch, &OnlineSearch::browserRequested, &c.views, &ViewController::showBrowser);
}

void MainWindow::showEditorView()
{
    m_ui->editorSegment->setChecked(true);
    m_ui->box->setCurrentWidget(m_ui->editor);
    m_ui->tableView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showBrowserView()
{
    m_controllers.quickLook.close();
    m_ui->browserSegment->setChecked(true);
    m_ui->box->setCurrentWidget(m_ui->browser);
    m_browserPage->showSearchText();
}

void MainWindow::wireStatus()
{
    statusBar()->addWidget(m_statusLabel, 1);
    statusBar()->addPermanentWidget(m_progressMessage);
    statusBar()->addPermanentWidget(m_progressBar);
    m_progressBar->setFixedWidth(160);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    EditorController &editor = m_controllers.editor;
    auto showStatus = [this] { m_statusLabel->setText(m_controllers.editor.statusMessage()); };
    connect(&editor, &EditorController::statusMessageChanged, this, showStatus);
    showStatus();
    connect(&editor, &EditorController::progressChanged, this,
            [this] { showProgress(m_controllers.editor.progressMessage(), m_controllers.editor.isBusy()); });
    connect(&editor, &EditorController::progressValueChanged, this, &MainWindow::showProgressValue);
    connect(&m_controllers.browser, &BrowserController::progressChanged, this, [this] {
        showProgress(m_controllers.browser.progressMessage(), m_controllers.browser.isBusy());
    });
}

void MainWindow::showProgress(const QString &message, bool busy)
{
    m_progressMessage->setText(message);
    m_progressBar->setRange(0, 0);
    m_progressBar->setVisible(busy);
    // The work that follows blocks the event loop: draw the message now. User
    // input waits, so no second command starts inside this one.
    m_lastRepaint.restart();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::showProgressValue(int done, int total)
{
    m_progressBar->setRange(0, total);
    m_progressBar->setValue(done);
    if (!m_lastRepaint.isValid() || m_lastRepaint.elapsed() > 50 || done == total) {
        m_lastRepaint.restart();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void MainWindow::addSongs()
{
    QFileDialog dialog(this, tr("Add"), QString(), tr("Music files (*.mp3 *.mp4 *.m4a *.MP3 *.MP4 *.M4A)"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setLabelText(QFileDialog::Accept, tr("Add"));
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted)
        m_controllers.editor.traverseFiles(dialog.selectedFiles());
}

void MainWindow::addFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add Folder"));
    if (!folder.isEmpty())
        m_controllers.editor.traverseFiles({folder});
}

void MainWindow::showPreferences()
{
    if (!m_preferenceController) {
        m_preferenceController = new PreferenceController(this);
        connect(m_preferenceController, &PreferenceController::settingsChanged, m_editorPage,
                &EditorPage::showSettings);
    }
    m_preferenceController->showWindow();
}

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("About Korvan"),
        tr("<h3>Korvan %1</h3><p>An editor for the tags of MP3 and MP4 music files.</p>"
           "<p><a href=\"%2\">%2</a></p>")
            .arg(QCoreApplication::applicationVersion(), DonationCheck::DonationPage.toString()));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (QuitQuestion(m_controllers.editor).applicationShouldTerminate() ==
        QuitQuestion::Reply::TerminateNow) {
        m_controllers.quickLook.close();
        event->accept();
    } else {
        event->ignore();
    }
}
