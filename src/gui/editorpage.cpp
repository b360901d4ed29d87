#include "editorpage.h"

#include "app/fieldcommands.h"
#include "app/settings.h"
#include "controllers.h"
#include "fieldeditors.h"
#include "songtablemodel.h"
#include "ui_MainWindow.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>

using namespace SettingsKeys;

namespace {

// Two links of a chain, drawn here rather than taken from a font that may lack the glyph.
QIcon linkIcon(const QColor &color)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 3.2));
    painter.translate(16, 16);
    painter.rotate(-45);
    painter.drawRoundedRect(QRectF(-14, -5, 16, 10), 5, 5);
    painter.drawRoundedRect(QRectF(-2, -5, 16, 10), 5, 5);
    return QIcon(pixmap);
}

} // namespace

EditorPage::EditorPage(Ui::MainWindow &ui, Controllers &controllers, QWidget *window)
    : QObject(window)
    , m_ui(ui)
    , m_controllers(controllers)
    , m_window(window)
    , m_model(new SongTableModel(controllers.editor, controllers.dataSource, this))
    , m_fields(new FieldEditors(controllers.editor, this))
    , m_dragHereLabel(new QLabel(ui.tableView->viewport()))
{
    wireTable();
    wireFields();
    wireImages();
    wireBatch();
    showSettings();
}

void EditorPage::wireTable()
{
    SongTableView *table = m_ui.tableView;
    table->setModel(m_model);
    table->setControllers(m_controllers.editor, m_controllers.dataSource, m_controllers.quickLook);
    const int widths[] = {64, 220, 160, 140, 160, 90, 56, 120, 40, 200};
    for (int column = 0; column < SongTableModel::ColumnCount; ++column)
        table->setColumnWidth(column, widths[column]);
    connect(table, &SongTableView::deletePressed, &m_controllers.editor, &EditorController::removeSongs);

    m_dragHereLabel->setObjectName(QStringLiteral("dragHereLabel"));
    m_dragHereLabel->setText(tr("Drag music files or folders here\nor choose File ▸ Add Files…"));
    m_dragHereLabel->setAlignment(Qt::AlignCenter);
    m_dragHereLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = m_dragHereLabel->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    m_dragHereLabel->setFont(font);
    QPalette grey = m_dragHereLabel->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::PlaceholderText));
    m_dragHereLabel->setPalette(grey);
    connect(&m_controllers.editor, &EditorController::songsChanged, this, &EditorPage::updateDragHereLabel);
    table->viewport()->installEventFilter(this);
    connect(table->horizontalHeader(), &QHeaderView::geometriesChanged, this,
            &EditorPage::updateDragHereLabel);
    updateDragHereLabel();
}

bool EditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.tableView->viewport() && event->type() == QEvent::Resize)
        updateDragHereLabel();
    return QObject::eventFilter(watched, event);
}

void EditorPage::updateDragHereLabel()
{
    m_dragHereLabel->setGeometry(m_ui.tableView->viewport()->rect());
    m_dragHereLabel->setVisible(m_controllers.editor.count() == 0);
    m_dragHereLabel->raise();
}

void EditorPage::wireFields()
{
    m_fields->bind(m_ui.trackDropDown, Song::Track);
    m_fields->bind(m_ui.titleDropDown, Song::Title);
    m_fields->bind(m_ui.artistDropDown, Song::Artist);
    m_fields->bind(m_ui.albumArtistDropDown, Song::AlbumArtist);
    m_fields->bind(m_ui.albumDropDown, Song::Album);
    m_fields->bind(m_ui.genreDropDown, Song::Genre);
    m_fields->bind(m_ui.yearDropDown, Song::Year);
    m_fields->bind(m_ui.commentDropDown, Song::Comment);
    m_fields->bindCompilation(m_ui.compilationCheckBox);
    m_fields->bindFileName(m_ui.fileNameEdit);
    m_fields->refresh();

    m_ui.artistLinkButton->setText(QString());
    m_ui.artistLinkButton->setIcon(linkIcon(m_ui.artistLinkButton->palette().color(QPalette::ButtonText)));
    m_ui.artistLinkButton->setIconSize(QSize(18, 18));
    FieldCommands &commands = m_controllers.editor.fieldCommands();
    connect(m_ui.clearArtistButton, &QToolButton::clicked, this, [&commands] { commands.clearArtist(); });
    connect(m_ui.clearAlbumArtistButton, &QToolButton::clicked, this,
            [&commands] { commands.clearAlbumArtist(); });
    connect(m_ui.clearAlbumButton, &QToolButton::clicked, this, [&commands] { commands.clearAlbum(); });
    connect(m_ui.clearGenreButton, &QToolButton::clicked, this, [&commands] { commands.clearGenre(); });
    connect(m_ui.clearYearButton, &QToolButton::clicked, this, [&commands] { commands.clearYear(); });
    connect(m_ui.clearCommentButton, &QToolButton::clicked, this, [&commands] { commands.clearComment(); });
    connect(m_ui.artistLinkButton, &QToolButton::clicked, this, [this, &commands] {
        commands.toggleArtistsLink();
        showSettings();
    });
}

void EditorPage::addImage()
{
    QFileDialog dialog(m_window, tr("Add"), QString(), tr("Images (*.jpg *.jpeg *.png)"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setLabelText(QFileDialog::Accept, tr("Add"));
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted)
        m_controllers.images.addImageFiles(dialog.selectedFiles());
}

void EditorPage::wireImages()
{
    ImageController &images = m_controllers.images;
    m_ui.imageView->setControllers(images, m_controllers.imageDrop);
    connect(m_ui.previousImageButton, &QPushButton::clicked, &images,
            &ImageController::moveLeadImageBackward);
    connect(m_ui.nextImageButton, &QPushButton::clicked, &images, &ImageController::moveLeadImageForward);
    connect(m_ui.addImageButton, &QPushButton::clicked, this, &EditorPage::addImage);
    connect(m_ui.removeImageButton, &QPushButton::clicked, &images, &ImageController::removeLeadImage);
    connect(m_ui.applyImageButton, &QPushButton::clicked, &images,
            &ImageController::applyLeadImageToSelection);
    auto showStatus = [this] {
        ImageController &images = m_controllers.images;
        m_ui.imageStatusLabel->setText(images.statusMessage());
        const bool hasLead = images.leadImageCursor() != ImageController::NotFound;
        const bool selection = m_controllers.editor.selectionIndex() != EditorController::NotFound;
        m_ui.previousImageButton->setEnabled(images.arrangedObjects().size() > 1);
        m_ui.nextImageButton->setEnabled(images.arrangedObjects().size() > 1);
        m_ui.removeImageButton->setEnabled(hasLead);
        m_ui.applyImageButton->setEnabled(hasLead);
        m_ui.addImageButton->setEnabled(selection);
    };
    connect(&images, &ImageController::statusMessageChanged, this, showStatus);
    connect(&images, &ImageController::leadImageChanged, this, showStatus);
    showStatus();
}

void EditorPage::wireBatch()
{
    Controllers &c = m_controllers;
    connect(m_ui.leadingZeroButton, &QCheckBox::toggled, this, [&c](bool on) {
        c.numbering.setLeadingZero(on);
        Settings::setBool(NUMBERING_LEADING_ZERO, on);
    });
    connect(m_ui.trackCountButton, &QCheckBox::toggled, this, [&c](bool on) {
        c.numbering.setTrackCount(on);
        Settings::setBool(NUMBERING_TRACK_COUNT, on);
    });
    connect(m_ui.titleCaseButton, &QRadioButton::clicked, this, [&c] { c.capitalization.selectTitleCase(); });
    connect(m_ui.upperCaseButton, &QRadioButton::clicked, this, [&c] { c.capitalization.selectUpperCase(); });
    connect(m_ui.lowerCaseButton, &QRadioButton::clicked, this, [&c] { c.capitalization.selectLowerCase(); });
    connect(m_ui.artistAndTitleButton, &QRadioButton::clicked, this,
            [&c] { c.naming.selectArtistAndTitle(); });
    connect(m_ui.trackAndTitleButton, &QRadioButton::clicked, this, [&c] { c.naming.selectTrackAndTitle(); });
    connect(m_ui.trackArtistAndTitleButton, &QRadioButton::clicked, this,
            [&c] { c.naming.selectTrackArtistAndTitle(); });
    connect(m_ui.applyNumberingButton, &QPushButton::clicked, this,
            [&c] { c.numbering.applyNumberingToSongs(); });
    connect(m_ui.applyCapitalizationButton, &QPushButton::clicked, this,
            [&c] { c.capitalization.applyCapitalizationToSongs(); });
    connect(m_ui.applyNamingButton, &QPushButton::clicked, this, [&c] { c.naming.applyNamingToSongs(); });
    connect(m_ui.allInOneButton, &QPushButton::clicked, this, [&c] { c.allInOne.doAllInOne(); });
}

void EditorPage::showSettings()
{
    const QSignalBlocker zero(m_ui.leadingZeroButton), count(m_ui.trackCountButton);
    // The check boxes show the stored options; the numbering takes them from there.
    m_ui.leadingZeroButton->setChecked(Settings::boolForKey(NUMBERING_LEADING_ZERO));
    m_ui.trackCountButton->setChecked(Settings::boolForKey(NUMBERING_TRACK_COUNT));
    m_controllers.numbering.setLeadingZero(m_ui.leadingZeroButton->isChecked());
    m_controllers.numbering.setTrackCount(m_ui.trackCountButton->isChecked());

    const CapitalizationController::Style style = CapitalizationController::chosenStyle();
    m_ui.titleCaseButton->setChecked(style == CapitalizationController::Style::TitleCase);
    m_ui.upperCaseButton->setChecked(style == CapitalizationController::Style::UpperCase);
    m_ui.lowerCaseButton->setChecked(style == CapitalizationController::Style::LowerCase);
    const NamingController::Scheme scheme = NamingController::chosenScheme();
    m_ui.artistAndTitleButton->setChecked(scheme == NamingController::Scheme::ArtistAndTitle);
    m_ui.trackAndTitleButton->setChecked(scheme == NamingController::Scheme::TrackAndTitle);
    m_ui.trackArtistAndTitleButton->setChecked(scheme == NamingController::Scheme::TrackArtistAndTitle);
    m_ui.artistLinkButton->setChecked(Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST));
}
