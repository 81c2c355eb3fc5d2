#include "rb/ShowURL.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QUrl>

Q_LOGGING_CATEGORY(rbDesktop, "rb.desktop")

namespace rb {
namespace {

std::function<void(const std::string&)>& Observer()
{
    static std::function<void(const std::string&)> observer;
    return observer;
}

} // namespace

void ShowURL(const std::string& url)
{
    if (Observer()) {
        Observer()(url);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(url))))
        qCWarning(rbDesktop, "URL '%s': the desktop did not open it", url.c_str());
}

void SetShowURLObserver(std::function<void(const std::string& url)> observer)
{
    Observer() = std::move(observer);
}

} // namespace rb
