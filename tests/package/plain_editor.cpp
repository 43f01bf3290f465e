// The plain editor's starting fields.
#include "tests/package/plain_editor.h"

namespace pw::test {

PlainEditor::PlainEditor() {
  fields.pluginName = u"my_tweak";
  fields.setName = u"Plugin name";
  fields.setDescr = u"Descriprion\r\n";
  fields.setUid = u"00000";
}

void PlainEditor::ClearItems() {
  items = RepoItems();
  ++clears;
}

}  // namespace pw::test
