// `diff` output: one line per difference, or JSON.
#pragma once

#include <string>

#include "repository/plugin_diff.h"

namespace pw {

std::string PluginDiffText(const PluginDiff& diff);
std::string PluginDiffJson(const PluginDiff& diff);

}  // namespace pw
