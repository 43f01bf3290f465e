// The plugin the save, open and command-line benchmarks measure.
#pragma once

#include <cstdint>

#include "cli/plugin_document.h"
#include "model/number_text.h"

namespace pw {

// count items; every third one (or all, with entriesEach) has five selection entries.
inline PluginDocument SamplePlugin(int64_t count, bool entriesEach) {
  PluginDocument document{u"bench", u"Benchmark plugin", u"Many items", u"00000", {}};
  for (int64_t i = 0; i < count; ++i) {
    TRepo item{u"Item " + DecimalText(i),
               u"What the setting does",
               u"0x20001234",
               DecimalText(i + 1),
               u"255",
               u"1",
               u"0",
               u"4",
               u"0",
               {}};
    if (entriesEach || i % 3 == 0) {
      for (int j = 0; j < 5; ++j)
        item.iComboElements.push_back({u"Choice " + DecimalText(j), DecimalText(j)});
      item.iNumOfCombo = u"5";
    }
    document.items.Append(std::move(item));
  }
  return document;
}

}  // namespace pw
