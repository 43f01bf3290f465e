// Reads a plugin descriptor into the plugin fields.
#pragma once

#include <filesystem>

#include "repository/plugin_fields.h"

namespace pw {

// Sets PluginName from the file name, then SetName, SetDescr and SetUID from the three
// lines, and returns the path of the binary repository file beside the descriptor. When the
// third line cannot name a file in that folder (it holds a path separator, a drive colon or
// a NUL) the returned path is empty. Raises FileOpenError or, for fewer than three lines,
// ListIndexError with the missing line's 0-based number; fields already set keep their texts.
std::filesystem::path ReadDescriptor(const std::filesystem::path& path, PluginFieldSink& fields);

}  // namespace pw
