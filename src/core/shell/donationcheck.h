#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class Alerts;

// Once per version, at start-up, thanks the user and offers the donation
// page; the answer is kept in lastReminderVersion.
class DonationCheck
{
public:
    // The project's home page, which takes donations.
    static const QUrl DonationPage;

    DonationCheck(Alerts &alerts, std::function<void(const QUrl &)> openUrl);

    // The number a version text compares by: dots removed, the first two
    // characters read as an integer ("1.2.3" gives 12, "0.9" gives 9).
    static int versionNumber(const QString &version);
    // Shows the reminder when RUNNING_VERSION is newer than the one last
    // answered for good (or at the first start). True when it was shown.
    bool checkDonation(const QString &runningVersion);
    void donate();

private:
    Alerts &m_alerts;
    std::function<void(const QUrl &)> m_openUrl;
};
