#pragma once

#include <QString>
#include <QUrl>

namespace app {

// The program's web site: every web page and address the program opens lies on this host.
inline constexpr const char* SiteHost = "www.marlowen.org";
inline constexpr const char* SupportAddress = "support@marlowen.org";

// The program's name and version as the window title and the About box show them.
inline constexpr const char* ProductName = "Marlowen 2.0";

// The address of a page of the site, path starting with '/'.
QString SitePage(const QString& path);
// The mail invitation of "Tell to Friend via E-mail...": no recipient, a subject and a body that
// points at the home page and the download page.
QUrl InvitationMail();

} // namespace app
