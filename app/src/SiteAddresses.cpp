#include "app/SiteAddresses.h"

namespace app {

QString SitePage(const QString& path)
{
    return QStringLiteral("https://") + QLatin1String(SiteHost) + path;
}

QUrl InvitationMail()
{
    // Line breaks are written as escapes, "%0A%0D" after each piece and "%0A" before each address.
    const auto lineBreak = QStringLiteral("%0A%0D");
    const auto home = SitePage(QStringLiteral("/"));
    const auto body = QStringLiteral("Hello!") + lineBreak + QStringLiteral("Marlowen from ") + home
        + QStringLiteral(" is a excellent Text to PDF converter!") + lineBreak + QStringLiteral("Learn more by visiting")
        + QStringLiteral("%0A") + home + lineBreak + QStringLiteral("To download it right now click here")
        + QStringLiteral("%0A") + SitePage(QStringLiteral("/downloads.html")) + lineBreak
        + QStringLiteral("[please type your text here]") + lineBreak;
    return QUrl(QStringLiteral("mailto:?subject=Invitation from Marlowen&Body=") + body, QUrl::TolerantMode);
}

} // namespace app
