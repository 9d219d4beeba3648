#include "form/company_page.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace acpower {

void OpenCompanyPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromStdU16String(std::u16string(CompanyPageAddress))));
}

}  // namespace acpower
