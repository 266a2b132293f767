// The printed comparison on the sample catalogue: its heading names the whole point the
// articles were rated at, in the chosen units.
#include "print/vergleichsdruck.h"
#include "report/bericht.h"
#include "report/memo.h"
#include "sheet/reihenrechnung.h"
#include "sheet/vergleich.h"
#include "tests/support/blattkatalog.h"

#include <gtest/gtest.h>

namespace drel::print {
namespace {

using sheet::testing::Katalog;

QString punktZeile(const calc::Einheiten& einheiten) {
    sheet::Reihenrechnung rechnung(*Katalog::get().dm, Katalog::get().stoff, einheiten);
    sheet::Vergleich v;
    Betriebspunkt p;
    p.kaeltemittel = QStringLiteral("R404A, R507");
    p.tue = 7.0;
    p.tu = 3.0;
    v.rechnen(rechnung, {QStringLiteral("QNX2-22")}, p, false);
    const auto bericht = vergleichsBerichtAnlegen(v, einheiten);
    EXPECT_TRUE(bericht->prepare()) << bericht->error().toStdString();
    const auto gefunden = bericht->preparedPage(0).find(QStringLiteral("Punkt"));
    return gefunden.empty() ? QString()
                            : static_cast<const bericht::Memo*>(gefunden.front())->text();
}

TEST(Vergleichsdruck, HeadingNamesSuperheatAndSubcooling) {
    ASSERT_TRUE(Katalog::get().gebaut);
    calc::Einheiten einheiten;
    sheet::testing::blattUmgebung(einheiten);
    const QString celsius = punktZeile(einheiten);
    EXPECT_TRUE(celsius.contains(QStringLiteral("t0 -10 °C"))) << celsius.toStdString();
    EXPECT_TRUE(celsius.contains(QStringLiteral("Uberhitzung 7 K"))) << celsius.toStdString();
    EXPECT_TRUE(celsius.contains(QStringLiteral("Unterkuhlung 3 K"))) << celsius.toStdString();
}

} // namespace
} // namespace drel::print
