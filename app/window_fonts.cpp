// The faces of the window and their stand-ins.
#include "app/window_fonts.h"

#include <QStringList>

namespace pw {
namespace {

constexpr int kPointSize = 8;

QFont FontOf(const QStringList& families) {
  QFont font(families.front(), kPointSize);
  font.setFamilies(families);
  return font;
}

}  // namespace

// Tahoma comes with every Windows; under Wine it is fonts-wine's. Liberation Sans has Arial's
// metrics, for a machine that has neither.
QFont WindowFont() {
  return FontOf(
      {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

// "Arial Unicode MS" came with Office, not with Windows: most Windows PCs today lack it. Segoe UI
// (every Windows since Vista) covers as many scripts in a line as tall; Arial, or Liberation Sans
// with its metrics, is the last resort every system has.
QFont NameFont() {
  return FontOf({QStringLiteral("Arial Unicode MS"), QStringLiteral("Segoe UI"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

}  // namespace pw
