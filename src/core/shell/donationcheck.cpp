#include "donationcheck.h"

#include "app/alerts.h"
#include "app/settings.h"
#include "app/textvalue.h"

#include <QObject>

const QUrl DonationCheck::DonationPage(QStringLiteral(KORVAN_HOME_PAGE));

DonationCheck::DonationCheck(Alerts &alerts, std::function<void(const QUrl &)> openUrl)
    : m_alerts(alerts)
    , m_openUrl(std::move(openUrl))
{}

int DonationCheck::versionNumber(const QString &version)
{
    QString digits = version;
    digits.remove(u'.');
    return integerValue(digits.left(2));
}

bool DonationCheck::checkDonation(const QString &runningVersion)
{
    using SettingsKeys::lastReminderVersion;
    const QString last = Settings::stringForKey(lastReminderVersion);
    if (last.isNull())
        Settings::setString(lastReminderVersion, runningVersion);
    else if (versionNumber(last) >= versionNumber(runningVersion))
        return false;
    const int answer = m_alerts.runInformationalAlertPanel(
        QObject::tr("Thank you for using Korvan!"),
        QObject::tr(
            "Korvan is freeware. I develop it in my free time. If you like it and want to support further "
            "development, consider a small donation."),
        QObject::tr("Donate!"), QObject::tr("Not For This Version"), QObject::tr("Later"));
    if (answer == 1 || answer == 0)
        Settings::setString(lastReminderVersion, runningVersion);
    if (answer == 1)
        donate();
    return true;
}

void DonationCheck::donate()
{
    m_openUrl(DonationPage);
}
