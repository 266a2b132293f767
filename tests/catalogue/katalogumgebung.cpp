#include "katalogumgebung.h"

#include "base/messagesink.h"
#include "dbbuild/dbneu.h"
#include "tests/support/beispielkatalog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace drel::katalog::test {

namespace {
QTemporaryDir& tempDir() {
    static QTemporaryDir dir;
    return dir;
}
} // namespace

QString KatalogUmgebung::quelle(const QString& relativ) {
    return QStringLiteral(DREL_SOURCE_DIR) + QLatin1Char('/') + relativ;
}

KatalogUmgebung::KatalogUmgebung() : programm_(tempDir().path()) {
    gebaut_ = drel::testing::beispielKatalogBauen(programm_);
    dm_ = std::make_unique<db::TDataModule1>(programm_);
    stoff_.Create(quelle(QStringLiteral("data/reflibs")));
}

KatalogUmgebung& KatalogUmgebung::get() {
    static KatalogUmgebung umgebung;
    return umgebung;
}

const Katalog& KatalogUmgebung::katalog() {
    if (!katalog_)
        katalog_ = std::make_unique<Katalog>(katalogErstellen(stoff_));
    return *katalog_;
}

void oeffnen(db::Cursor& c) {
    if (!c.active())
        c.open();
}

} // namespace drel::katalog::test
