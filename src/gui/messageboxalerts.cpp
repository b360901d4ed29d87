#include "messageboxalerts.h"

#include <QMessageBox>
#include <QPushButton>

MessageBoxAlerts::MessageBoxAlerts(QWidget *parent)
    : m_parent(parent)
{}

int MessageBoxAlerts::run(bool informational, const QString &title, const QString &message,
                          const QString &defaultButton, const QString &alternateButton,
                          const QString &otherButton)
{
    QMessageBox box(informational ? QMessageBox::Information : QMessageBox::Warning, QStringLiteral("Korvan"),
                    title, QMessageBox::NoButton, m_parent);
    box.setWindowModality(Qt::WindowModal);
    // The message is shown as it is: a "%" or "<" in a file name stays literal.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(message);
    QPushButton *primary =
        box.addButton(defaultButton.isNull() ? QObject::tr("OK") : defaultButton, QMessageBox::AcceptRole);
    QPushButton *alternate =
        alternateButton.isNull() ? nullptr : box.addButton(alternateButton, QMessageBox::RejectRole);
    QPushButton *other =
        otherButton.isNull() ? nullptr : box.addButton(otherButton, QMessageBox::DestructiveRole);
    box.setDefaultButton(primary);
    box.setEscapeButton(other ? other : (alternate ? alternate : primary));
    box.exec();
    if (box.clickedButton() == alternate && alternate)
        return 0;
    if (box.clickedButton() == other && other)
        return -1;
    return 1;
}

int MessageBoxAlerts::runAlertPanel(const QString &title, const QString &message,
                                    const QString &defaultButton, const QString &alternateButton,
                                    const QString &otherButton)
{
    return run(false, title, message, defaultButton, alternateButton, otherButton);
}

int MessageBoxAlerts::runInformationalAlertPanel(const QString &title, const QString &message,
                                                 const QString &defaultButton, const QString &alternateButton,
                                                 const QString &otherButton)
{
    return run(true, title, message, defaultButton, alternateButton, otherButton);
}
