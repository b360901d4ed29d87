#include "fieldeditors.h"

#include "app/editorcontroller.h"
#include "app/fieldcommands.h"
#include "app/selectionvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

FieldEditors::FieldEditors(EditorController &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    connect(&m_controller, &EditorController::selectionChanged, this, &FieldEditors::watchSelection);
    connect(&m_controller, &EditorController::songsChanged, this, &FieldEditors::watchSelection);
    connect(&m_controller, &EditorController::songsSaved, this, &FieldEditors::refreshSoon);
}

void FieldEditors::bind(QComboBox *box, Song::Field field)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    m_combos.append({box, field});
    const ComboBinding binding = m_combos.last();
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, binding] { commitCombo(binding); });
    connect(box, &QComboBox::activated, this, [this, binding](int index) {
        if (!m_refreshing)
            commit(binding.field, binding.box->itemText(index));
    });
    if (field == Song::Artist)
        box->lineEdit()->installEventFilter(this);
}

void FieldEditors::bindCompilation(QCheckBox *box)
{
    m_compilation = box;
    connect(box, &QCheckBox::clicked, this, [this](bool checked) {
        m_compilation->setTristate(false);
        commit(Song::Compilation, checked ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void FieldEditors::bindFileName(QLineEdit *edit)
{
    m_fileName = edit;
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        if (!m_fileName->isModified() || m_fileName->text().isEmpty())
            return;
        m_fileName->setModified(false);
        commit(Song::FileName, m_fileName->text());
    });
}

bool FieldEditors::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the artist field: the album artist follows when linked, before the field commits.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            m_controller.fieldCommands().control(FieldCommands::Control::Artist,
                                                 FieldCommands::Command::InsertNewline);
    }
    return QObject::eventFilter(watched, event);
}

void FieldEditors::commitCombo(const ComboBinding &binding)
{
    QLineEdit *edit = binding.box->lineEdit();
    // Leaving a field without typing commits nothing: an empty field over
    // differing values must not clear them all.
    if (m_refreshing || !edit->isModified())
        return;
    edit->setModified(false);
    commit(binding.field, edit->text());
}

void FieldEditors::commit(Song::Field field, const QString &text)
{
    SelectionValues::commit(m_controller.selectedSongs(), field, text);
    refreshSoon();
}

void FieldEditors::watchSelection()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_songConnections))
        disconnect(connection);
    m_songConnections.clear();
    for (Song *song : m_controller.selectedSongs())
        m_songConnections.append(connect(song, &Song::fieldChanged, this, &FieldEditors::refreshSoon));
    refresh();
}

void FieldEditors::refreshSoon()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshPending = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void FieldEditors::refresh()
{
    m_refreshing = true;
    const QList<Song *> songs = m_controller.selectedSongs();
    for (const ComboBinding &binding : std::as_const(m_combos)) {
        const SelectionValues::FieldState state = SelectionValues::state(songs, binding.field);
        QLineEdit *edit = binding.box->lineEdit();
        // Keep what the user is typing.
        if (edit->hasFocus() && edit->isModified())
            continue;
        binding.box->clear();
        binding.box->addItems(state.choices);
        binding.box->setCurrentIndex(-1);
        edit->setText(state.text);
        edit->setModified(false);
        edit->setPlaceholderText(state.multiple ? tr("Multiple values") : QString());
        binding.box->setEnabled(state.enabled);
    }
    if (m_compilation) {
        const SelectionValues::FieldState state = SelectionValues::state(songs, Song::Compilation);
        m_compilation->setTristate(state.multiple);
        m_compilation->setCheckState(state.multiple
                                         ? Qt::PartiallyChecked
                                         : (state.text == QLatin1String("1") ? Qt::Checked : Qt::Unchecked));
        m_compilation->setEnabled(state.enabled);
    }
    if (m_fileName && !(m_fileName->hasFocus() && m_fileName->isModified())) {
        const SelectionValues::FieldState state = SelectionValues::state(songs, Song::FileName);
        m_fileName->setText(state.enabled ? state.text : QString());
        m_fileName->setPlaceholderText(songs.size() > 1 ? tr("Multiple values") : QString());
        m_fileName->setModified(false);
        m_fileName->setEnabled(state.enabled);
    }
    m_refreshing = false;
}
