// The search tests on the small hand-made catalogue.
#pragma once

#include "tests/support/katalogtest.h"
#include "tests/support/suchkatalog.h"

#include <QTemporaryDir>
#include <memory>

namespace drel::search::testing {

class SuchTest : public drel::testing::KatalogTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(katalogOeffnen(katalogSchreiben)); }

    // A compressor search for R404A at t0 −10 °C, tc 45 °C with the given boxes.
    SuchEingabe eingabe(TypRec typ) const {
        SuchEingabe e;
        e.typ = typ;
        e.km = KMRec::ausListenEintrag(QStringLiteral("R404A, R507"));
        return e;
    }

    void suchen(const SuchEingabe& e, chart::GrenzChart* chart = nullptr) {
        SuchUmgebung u{*dm_, stoff_, einheiten_, ergebnis_};
        VerdSuche(u, e, chart);
    }

    // The result of an article, nullptr when it was not found.
    const VdSatz* von(qint32 artikelId) const {
        for (int k = 1; k <= ergebnis_.anzahl(); ++k) {
            if (ergebnis_[k].ArtikelID == artikelId)
                return &ergebnis_[k];
        }
        return nullptr;
    }

    Suchergebnis ergebnis_;
};

} // namespace drel::search::testing
