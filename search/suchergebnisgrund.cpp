// What the search tells about its result: why a list stays empty, and what opens the
// data sheet of the chosen row.
#include "search/suchmodell.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

#include <QCoreApplication>

namespace drel::search {

QString SuchModell::leerGrund() const {
    const ErgebnisListe& l = liste_;
    for (int row = 1; row < l.RowCount(); ++row)
        if (!l.zelle(0, row).isEmpty())
            return {};
    const Suchergebnis& r = ergebnis_;
    const auto text = [](const char* t) {
        return QCoreApplication::translate("drel::ui::TFrmSuche", t);
    };
    if (r.anzahl() > 0)
        return text(QT_TRANSLATE_NOOP(
                        "drel::ui::TFrmSuche",
                        "Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C "
                        "nicht gezeigt werden."))
            .arg(r.anzahl());
    if (r.zaehler.passend == 0)
        return text(QT_TRANSLATE_NOOP(
                        "drel::ui::TFrmSuche",
                        "Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für "
                        "das Kältemittel %1."))
            .arg(kaeltemittel());
    if (r.zaehler.imBereich == 0)
        return text(QT_TRANSLATE_NOOP(
                        "drel::ui::TFrmSuche",
                        "Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb "
                        "ihres Einsatzbereichs."))
            .arg(r.zaehler.passend);
    return text(QT_TRANSLATE_NOOP(
                    "drel::ui::TFrmSuche",
                    "Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem "
                    "Betriebspunkt berechenbar."))
        .arg(r.zaehler.imBereich);
}

DatenblattKontext SuchModell::kontext() const {
    DatenblattKontext k;
    k.punkt = eingabe_.punkt;
    k.satzModus = rec_.modus == 1;
    k.rb60Hz = rb60Hz;
    k.spinN = SpinN;
    return k;
}

bool SuchModell::datenblatt(db::TDataModule1& dm, DatenblattAuftrag& auftrag) const {
    return liste_.datenblatt(ergebnis_, dm, kontext(), auftrag);
}

QList<DatenblattAuftrag> SuchModell::datenblaetter(db::TDataModule1& dm,
                                                   const QList<int>& rows) const {
    QList<DatenblattAuftrag> auftraege;
    ErgebnisListe liste = liste_;
    for (int row : rows) {
        liste.setRow(row);
        DatenblattAuftrag a;
        if (liste.datenblatt(ergebnis_, dm, kontext(), a))
            auftraege << a;
    }
    return auftraege;
}

} // namespace drel::search
