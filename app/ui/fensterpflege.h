// What the main window does to every open window at once: the language of all of them,
// and the units window whose choice every open data sheet follows.
#pragma once

class QWidget;

namespace drel::ui {

// Installs the program's translator, so that texts shown from now on can be translated
// again when the language changes.
void uebersetzerInstallieren();
// Loads the translation file of the current language.
void spracheLaden();
// The windows built in the previous language: the search window and every data sheet,
// docked or undocked, with its notes window.
void fensterNeuUebersetzen(QWidget& hauptfenster, QWidget* suche);
// The units window, modal; afterwards every open sheet shows its point in the new unit.
void einheitenFensterZeigen(QWidget* eltern);

} // namespace drel::ui
