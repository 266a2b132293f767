// The font the reports are drawn in travels with the program.
#pragma once

#include <QFont>

namespace drel::bericht {

// The family the report engine carries (metric-compatible with Arial).
inline constexpr const char* kEigeneSchrift = "Liberation Sans";

// The faces of Chinese and Korean characters, which the bundled face lacks; the
// install scripts bring them (fonts-wqy-microhei, fonts-noto-cjk). Chinese does not
// print in Noto CJK: it shares glyphs between common characters and the Kangxi
// radicals, and the PDF's text layer would then give the radicals ("⽉" for "月").
inline constexpr const char* kChinesischeSchrift = "WenQuanYi Micro Hei";
inline constexpr const char* kKoreanischeSchrift = "Noto Sans CJK KR";

// The face for the characters of the program's language that the bundled face lacks:
// Korean for Korean, Chinese otherwise.
QString chinesischKoreanisch();

// A report font as it prints: "Arial" (or the windows' "Arial Unicode MS"), the face
// every report is defined in, becomes the bundled Liberation Sans, so that the layout,
// the line breaks and the text a PDF holds are the same on every machine, whatever
// fonts it has installed. Other families stay as they are; characters the face lacks
// (Chinese, Korean) come from chinesischKoreanisch(). Needs the GUI application object.
QFont eigeneSchrift(QFont font);

} // namespace drel::bericht
