#include "preferencecontroller.h"

#include "app/settings.h"
#include "ui_Preferences.h"

#include <QPushButton>
#include <QUrl>

using namespace SettingsKeys;

namespace {

struct BoxKey
{
    QCheckBox *Ui::Preferences::*box;
    const char *key;
};

const BoxKey boxes[] = {
    {&Ui::Preferences::bindCompilationBox, BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS},
    {&Ui::Preferences::separateByHyphenBox, NAMING_SEPARATE_BY_HYPHEN},
    {&Ui::Preferences::leadingZeroBox, NUMBERING_LEADING_ZERO},
    {&Ui::Preferences::trackCountBox, NUMBERING_TRACK_COUNT},
    {&Ui::Preferences::cdsOnlyBox, SEARCH_FOR_CDS_ONLY},
    {&Ui::Preferences::allInOneAfterApplyBox, ALL_IN_ONE_AFTER_APPLY},
};

} // namespace

PreferenceController::PreferenceController(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::Preferences>())
{
    m_ui->setupUi(this);
    for (const BoxKey &entry : boxes) {
        const char *key = entry.key;
        connect(m_ui.get()->*entry.box, &QCheckBox::toggled, this, [this, key](bool on) {
            Settings::setBool(key, on);
            Q_EMIT settingsChanged();
        });
    }
    connect(m_ui->rootEdit, &QLineEdit::editingFinished, this, &PreferenceController::storeRoot);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
}

PreferenceController::~PreferenceController() = default;

void PreferenceController::load()
{
    for (const BoxKey &entry : boxes) {
        QCheckBox *box = m_ui.get()->*entry.box;
        const QSignalBlocker blocker(box);
        box->setChecked(Settings::boolForKey(entry.key));
    }
    m_ui->rootEdit->setText(Settings::stringForKey(RELEASE_DATABASE_ROOT));
}

void PreferenceController::storeRoot()
{
    QString root = m_ui->rootEdit->text().trimmed();
    const QUrl url(root);
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) {
        // Only web addresses serve; anything else goes back to what was stored.
        m_ui->rootEdit->setText(Settings::stringForKey(RELEASE_DATABASE_ROOT));
        return;
    }
    if (!root.endsWith(u'/'))
        root += u'/';
    m_ui->rootEdit->setText(root);
    Settings::setString(RELEASE_DATABASE_ROOT, root);
}

void PreferenceController::showWindow()
{
    load();
    show();
    raise();
    activateWindow();
}
