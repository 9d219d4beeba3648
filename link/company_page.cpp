#include "link/company_page.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace acpower {

void OpenCompanyPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(CompanyPageAddress)));
}

}  // namespace acpower
