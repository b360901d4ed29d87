#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Preferences;
}

// The Preferences window: the settings no command writes, each stored as
// soon as it is changed.
class PreferenceController : public QDialog
{
    Q_OBJECT
public:
    explicit PreferenceController(QWidget *parent = nullptr);
    ~PreferenceController() override;

    // Shows the window with the stored values, or brings it to the front.
    void showWindow();

Q_SIGNALS:
    void settingsChanged();

private:
    void load();
    void storeRoot();

    std::unique_ptr<Ui::Preferences> m_ui;
};
