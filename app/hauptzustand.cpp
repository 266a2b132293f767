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

int hilfeThema(Inhalt inhalt) {
    switch (inhalt) {
    case Inhalt::Start:
        return 1;
    case Inhalt::Groessen:
    case Inhalt::Typen:
        return 8;
    case Inhalt::Suche:
        return 9;
    case Inhalt::Blatt:
        return 3;
    }
    return 1;
}

} // namespace drel
