#include "print/datenblattdefinition.h"

#include "report/memo.h"
#include "report/platzhalter.h"

#include <algorithm>
#include <vector>

namespace drel::print::blattdefinition {

namespace {

using bericht::ausMm;

QString n(const char* name) {
    return QString::fromLatin1(name);
}

int index(Abschnitt a) {
    return static_cast<int>(a);
}

} // namespace

void zeilenHoeheAnpassen(bericht::Band& band) {
    band.setBeforePrint([](bericht::BerichtObjekt& objekt) {
        auto& b = static_cast<bericht::Band&>(objekt);
        double hoehe = kZeilenHoehe;
        std::vector<bericht::Memo*> memos;
        for (const auto& o : b.objects()) {
            auto* m = dynamic_cast<bericht::Memo*>(o.get());
            if (m == nullptr)
                continue;
            memos.push_back(m);
            auto probe = o->clone();
            auto& p = static_cast<bericht::Memo&>(*probe);
            const QString text = b.dataSet() != nullptr
                                     ? bericht::felderEinsetzen(m->text(), *b.dataSet())
                                     : m->text();
            hoehe = std::max(hoehe, anpassen(p, text));
        }
        for (bericht::Memo* m : memos)
            m->setHeight(hoehe);
        b.setHeight(hoehe + ausMm(0.5));
    });
}

RahmenNamen rahmenNamen(const SeitenDefinition& d) {
    const int nr = index(d.abschnitt) + 1;
    RahmenNamen r;
    r.kopf = QStringLiteral("PageHeader%1").arg(nr);
    r.absender = n(d.absender);
    r.datum = n(d.datum);
    r.zustaendig = n(d.zustaendig);
    r.seitenLabel = n(d.seitenLabel);
    r.seitenZahl = QStringLiteral("Seitenzahl%1").arg(nr);
    r.linie = QStringLiteral("KopfLinie%1").arg(nr);
    r.empfaengerBand = QStringLiteral("Empfaenger%1").arg(nr);
    r.empfaenger = n(d.empfaenger);
    r.briefkopf = {n(d.briefkopf[0]), n(d.briefkopf[1]), n(d.briefkopf[2])};
    r.betreff = n(d.betreff);
    r.text = n(d.text);
    r.typ = n(d.typ);
    r.kmLabel = n(d.kmLabel);
    r.km = n(d.km);
    r.logo = QStringLiteral("Logo%1").arg(nr);
    r.typLinie = QStringLiteral("TypLinie%1").arg(nr);
    r.fussBand = QStringLiteral("PageFooter%1").arg(nr);
    r.fussLinie = QStringLiteral("FussLinie%1").arg(nr);
    r.programm = n(d.programm);
    r.fusszeile = n(d.fusszeile);
    return r;
}

} // namespace drel::print::blattdefinition
