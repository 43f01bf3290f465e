// What saving and opening a plugin read from and change in the editor.
#pragma once

#include <string>

#include "model/repo_items.h"
#include "repository/plugin_fields.h"

namespace pw {

// The window implements it over its widgets; the tests and the command-line tool over plain
// values. Setting a plugin field goes through PluginFieldSink::FieldRead.
class PluginEditor : public PluginFieldSink {
 public:
  virtual std::u16string PluginFieldText(PluginField field) const = 0;
  virtual const RepoItems& Items() const = 0;
  // Whether the item list box shows any line; a save without one does nothing.
  virtual bool ListShowsLines() const = 0;
  // The "join" check box: opened items are appended instead of replacing the list.
  virtual bool JoinMode() const = 0;
  // Replace mode, before the opened items arrive: the item list and its list box emptied,
  // the item editors cleared.
  virtual void ClearItems() = 0;
  // Appends an opened item to the item list and its line to the list box.
  virtual void AppendItem(TRepo item) = 0;
};

}  // namespace pw
