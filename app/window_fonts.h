// The two faces the window draws with, each with the faces that stand in where it is missing.
#pragma once

#include <QFont>

namespace pw {

// Tahoma at 8 points: the window's own font, which every field takes unless it holds names.
QFont WindowFont();

// "Arial Unicode MS" at 8 points, for fields that hold names and descriptions in any script.
QFont NameFont();

}  // namespace pw
