#include "PluginTestSupport.h"

#include "plugin/PluginLoader.h"

namespace rbtest {

void LoadTestPlugin()
{
    static const bool loaded = [] {
        rb::LoadPluginsFrom(RB_TEST_PLUGINS);
        return true;
    }();
    (void)loaded;
}

} // namespace rbtest
