// What the window keeps for its file-open dialog between runs of the dialog.
#pragma once

#include <QString>

namespace pw {

struct OpenDialogSettings {
  QString filterName = QStringLiteral("Qorvix plugins");
  QString filterPattern = QStringLiteral("*.qvx");
  QString initialDir;
  QString fileName;
};

}  // namespace pw
