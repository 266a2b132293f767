// Windows-1252, the single-byte code of the settings records and the note texts.
#pragma once

namespace drel {

char32_t cp1252ZuUnicode(unsigned char byte);
// '?' for a character the code page lacks.
char unicodeZuCp1252(char32_t zeichen);

} // namespace drel
