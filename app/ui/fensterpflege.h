// What the main window does for every open window at once: the program's translator,
// and the units window whose choice every open data sheet follows.
#pragma once

class QWidget;

namespace drel::ui {

// Installs the program's translator, so that texts shown from now on can be translated
// again when the language changes.
void uebersetzerInstallieren();
// Loads the translation file of the current language; every window then receives a
// language change and sets its texts again.
void spracheLaden();
// The units window, modal; afterwards every open sheet shows its point in the new unit.
void einheitenFensterZeigen(QWidget* eltern);

} // namespace drel::ui
