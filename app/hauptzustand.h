// What the main window's content area shows, and which menus each area allows. The
// window switches areas in one place and takes the menu state from here.
#pragma once

#include "app/browsermodell.h"

namespace drel {

enum class Inhalt {
    Start,    // start page with the family pictures
    Groessen, // the browser's size list of a series
    Typen,    // the browser's type list of a size
    Suche,    // the search area over the full width
    Blatt,    // a data sheet docked in the window
};

// The browser area that shows a view of the browser model.
Inhalt browserInhalt(BrowserAnsicht ansicht);
// Start page, size list and type list: the tree is shown beside them.
bool browserBereich(Inhalt inhalt);

struct MenueZustand {
    // The language can change only where no input or sheet of the old language is open.
    bool sprache = true;
    bool einheiten = true;
};

MenueZustand menueZustand(Inhalt inhalt);

// The help topic of an area: what F1 opens when the focus is in no window of its own.
int hilfeThema(Inhalt inhalt);

} // namespace drel
