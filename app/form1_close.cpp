// The close question: a window whose plugin changed since it was last saved or opened asks
// before it closes.
#include <QCloseEvent>
#include <iterator>

#include "app/form1.h"

namespace pw {
namespace {

constexpr char kCloseQuestion[] =
    "The plugin has unsaved changes. Save the plugin before closing?\n"
    "OK saves it and closes the window, Ignore closes without saving, Cancel keeps the window "
    "open.";

constexpr PluginField kFields[] = {PluginField::PluginName, PluginField::SetName,
                                   PluginField::SetDescr, PluginField::SetUID};

}  // namespace

void TForm1::closeEvent(QCloseEvent* event) {
  bool closes = false;
  RunHandler([&] { closes = FormCloseQuery(); });
  event->setAccepted(closes);
}

// A save that fails has shown its error and leaves the plugin unsaved, so the window stays.
bool TForm1::FormCloseQuery() {
  if (!HasUnsavedChanges())
    return true;
  switch (Prompts().Confirm(kCloseQuestion,
                            {PromptButton::Ok, PromptButton::Ignore, PromptButton::Cancel})) {
    case PromptButton::Ok:
      Button11Click();
      return !HasUnsavedChanges();
    case PromptButton::Ignore:
      return true;
    default:
      return false;
  }
}

TForm1::PluginState TForm1::CurrentPlugin() const {
  PluginState state;
  for (size_t k = 0; k < std::size(kFields); ++k)
    state.fields[k] = PluginFieldText(kFields[k]);
  state.items = items_.All();
  return state;
}

void TForm1::KeepAsSaved() {
  saved_ = CurrentPlugin();
}

// An empty list cannot be saved, so there is nothing to ask about.
bool TForm1::HasUnsavedChanges() const {
  return items_.Count() > 0 && (!saved_ || *saved_ != CurrentPlugin());
}

// "Cant parse plugin file!" leaves the list as it was: only a package that was read clears the
// list, or fills an empty one when joining. A join to listed items makes a plugin that no
// package holds yet.
bool TForm1::ShowsOpenedPackage(size_t itemsBefore) const {
  if (!JoinMode())
    return listCleared_;
  return itemsBefore == 0 && items_.Count() > 0;
}

}  // namespace pw
