#include "app/hauptzustand.h"

namespace drel {

Inhalt browserInhalt(BrowserAnsicht ansicht) {
    switch (ansicht) {
    case BrowserAnsicht::Groessenliste:
        return Inhalt::Groessen;
    case BrowserAnsicht::Typenliste:
        return Inhalt::Typen;
    case BrowserAnsicht::Start:
        break;
    }
    return Inhalt::Start;
}

bool browserBereich(Inhalt inhalt) {
    return inhalt == Inhalt::Start || inhalt == Inhalt::Groessen || inhalt == Inhalt::Typen;
}

MenueZustand menueZustand(Inhalt inhalt) {
    MenueZustand zustand;
    zustand.sprache = browserBereich(inhalt);
    return zustand;
}

} // namespace drel
