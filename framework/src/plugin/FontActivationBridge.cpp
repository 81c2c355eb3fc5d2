#include "plugin/FontActivationBridge.h"

#include "plugin/PluginLog.h"

#include <platform/FontActivation.h>

#include <QFontDatabase>
#include <QGuiApplication>

#include <map>
#include <string>

namespace rb {
namespace {

// Qt's id of each font file it was given, by path.
std::map<std::string, int>& QtFontIds()
{
    static std::map<std::string, int> ids;
    return ids;
}

void FollowActivation(const char* path, bool activated)
{
    // The font database needs a Qt application; without one there is nothing to tell.
    if (path == nullptr || QGuiApplication::instance() == nullptr)
        return;
    auto& ids = QtFontIds();
    const auto known = ids.find(path);
    if (!activated) {
        if (known != ids.end()) {
            QFontDatabase::removeApplicationFont(known->second);
            ids.erase(known);
        }
        return;
    }
    if (known != ids.end())
        return;
    const int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(path));
    if (id < 0)
        qCWarning(lcPlugin) << "the font database cannot read the activated font" << path;
    else
        ids.emplace(path, id);
}

} // namespace

void InstallFontActivationBridge()
{
    platform::SetFontActivationListener(&FollowActivation);
}

} // namespace rb
