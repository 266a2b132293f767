// Translates a window that was built in another language: every caption, text, hint
// and column heading whose source the translator knows is looked up again.
#pragma once

class QWidget;

namespace drel::i18n {

void neuUebersetzen(QWidget* fenster);

} // namespace drel::i18n
