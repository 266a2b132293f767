// The bundled catalogue built into product tables once per test binary.
#pragma once

#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "tools/catalogue/katalog.h"

#include <QString>
#include <memory>

namespace drel::katalog::test {

// Program directory with Daten/*.cds built from data/Daten/*.xml, the data module on
// it and the property library on data/reflibs.
class KatalogUmgebung {
public:
    static KatalogUmgebung& get();

    const QString& programm() const { return programm_; }
    db::TDataModule1& dm() { return *dm_; }
    fluid::TStoff& stoff() { return stoff_; }
    bool gebaut() const { return gebaut_; }
    // The catalogue as the generator builds it now (made on first use).
    const Katalog& katalog();

    static QString quelle(const QString& relativ); // path below the repository root

private:
    KatalogUmgebung();
    QString programm_;
    bool gebaut_ = false;
    std::unique_ptr<db::TDataModule1> dm_;
    fluid::TStoff stoff_;
    std::unique_ptr<Katalog> katalog_;
};

// Opens a cursor of the data module that the start does not open.
void oeffnen(db::Cursor& c);

} // namespace drel::katalog::test
