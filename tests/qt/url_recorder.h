#pragma once

#include "form/company_page.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// Stands in for the desktop's browser: QDesktopServices hands it every web
// address the program opens, so no test ever starts a real browser.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url)
    {
        opened.append(url);
    }
};

// The address the brand links and the close hand to the browser.
inline QUrl CompanyPageUrl()
{
    return QUrl(QString::fromStdU16String(std::u16string(acpower::CompanyPageAddress)));
}
