#include "plugin/PluginLog.h"

Q_LOGGING_CATEGORY(lcPlugin, "rb.plugin")
