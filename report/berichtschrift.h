// The font the reports are drawn in travels with the program.
#pragma once

#include <QFont>

namespace drel::bericht {

// The family the report engine carries (metric-compatible with Arial).
inline constexpr const char* kEigeneSchrift = "Liberation Sans";

// A report font as it prints: "Arial" (or the windows' "Arial Unicode MS"), the face
// every report is defined in, becomes the bundled Liberation Sans, so that the layout,
// the line breaks and the text a PDF holds are the same on every machine, whatever
// fonts it has installed. Other families stay as they are; characters the face lacks
// (Chinese, Korean) come from the machine's fonts. Needs the GUI application object.
QFont eigeneSchrift(QFont font);

} // namespace drel::bericht
