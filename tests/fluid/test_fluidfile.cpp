// Checks of a fluid file on loading: members, plausible constants, the stored check
// point, and the one message that tells the user why a refrigerant is not usable.
#include "fluid/fluidfilecheck.h"
#include "fluid/refrigerantmodel.h"
#include "stofftestutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace drel::fluid::test {
namespace {

using nlohmann::json;

json bundled(const char* name) {
    QFile f(bundledReflibs() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".ref"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    const QByteArray b = f.readAll();
    return json::parse(b.begin(), b.end());
}

QByteArray bytes(const json& j) {
    return QByteArray::fromStdString(j.dump());
}

// The reason the loader gives; empty when the file is accepted.
QString reason(const QByteArray& data) {
    QString error;
    const auto m = loadFluidData(data, &error);
    EXPECT_EQ(m == nullptr, !error.isEmpty()) << error.toStdString();
    return error;
}

QString reason(const json& j) {
    return reason(bytes(j));
}

TEST(FluidFileMembers, MolarMassZeroNegativeAbsentOrNotANumberIsNamed) {
    json f = bundled("R134a");
    ASSERT_EQ(reason(f), QString());
    f["molar_mass"] = 0.0;
    EXPECT_EQ(reason(f), QStringLiteral("Molmasse 0 g/mol ist nicht zulässig (2 bis 500 g/mol)"));
    f["molar_mass"] = -0.102032;
    EXPECT_EQ(reason(f),
              QStringLiteral("Molmasse -102,032 g/mol ist nicht zulässig (2 bis 500 g/mol)"));
    f["molar_mass"] = "NaN";
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag molar_mass ist keine Zahl"));
    f["molar_mass"] = nullptr;
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag molar_mass ist keine Zahl"));
    f.erase("molar_mass");
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag molar_mass fehlt"));
    // An overflowing number is refused by the parser already: no infinity gets in.
    QByteArray text = bytes(bundled("R134a"));
    text.replace("\"molar_mass\":0.102032", "\"molar_mass\":1e999");
    ASSERT_TRUE(text.contains("1e999"));
    EXPECT_EQ(reason(text), QStringLiteral("kein gültiges JSON"));
}

TEST(FluidFileMembers, RangeBoundsAreInclusive) {
    json f = bundled("R134a");
    const auto members = [&f] { return checkFluidMembers(f); };
    f["molar_mass"] = 0.002;
    EXPECT_EQ(members(), QString());
    f["molar_mass"] = 0.0019999;
    EXPECT_TRUE(members().startsWith(QStringLiteral("Molmasse 1,9999 g/mol")))
        << members().toStdString();
    f["molar_mass"] = 0.5;
    EXPECT_EQ(members(), QString());
    f["molar_mass"] = 0.5000001;
    EXPECT_FALSE(members().isEmpty());
    f["molar_mass"] = 0.102032;

    f["critical"]["T"] = 700.0;
    EXPECT_EQ(members(), QString());
    f["critical"]["T"] = 700.001;
    EXPECT_EQ(members(),
              QStringLiteral("Kritische Temperatur 700,001 K ist nicht zulässig (100 bis 700 K)"));
    // The lower bound needs a lower triple point and check point to be reachable.
    f["T_min"] = 50.0;
    f["check"]["T"] = 60.0;
    f["critical"]["T"] = 100.0;
    EXPECT_EQ(members(), QString());
    f["critical"]["T"] = 99.999;
    EXPECT_EQ(members(),
              QStringLiteral("Kritische Temperatur 99,999 K ist nicht zulässig (100 bis 700 K)"));
    f = bundled("R134a");

    f["critical"]["p"] = 25e6;
    EXPECT_EQ(members(), QString());
    f["critical"]["p"] = 40.5928; // bar instead of Pa
    EXPECT_TRUE(members().startsWith(QStringLiteral("Kritischer Druck 4,05928e-05 MPa")))
        << members().toStdString();
    f["critical"]["p"] = 4059280.0;
    f["critical"]["rhomolar"] = -5017.053;
    EXPECT_TRUE(members().startsWith(QStringLiteral("Kritische Dichte -5017,053")));
}

TEST(FluidFileMembers, MissingOrMistypedMembersAreNamed) {
    json f = bundled("R134a");
    f.erase("check");
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag check fehlt"));
    f = bundled("R134a");
    f["check"].erase("v_dew");
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag check.v_dew fehlt"));
    f = bundled("R134a");
    f["critical"]["p"] = "4059280";
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag critical.p ist keine Zahl"));
    f = bundled("R134a");
    f["residual"] = json::object();
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag residual ist keine Liste"));
    f = bundled("R134a");
    f["ancillaries"].erase("p_sat");
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag ancillaries.p_sat fehlt"));
    f = bundled("R134a");
    f["residual"][0]["n"].erase(0);
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Gleichung nicht lesbar")));
    f = bundled("R502");
    f["components"][1]["x"] = 0.5;
    EXPECT_EQ(reason(f), QStringLiteral("Molanteile ergeben in Summe 1,12999 statt 1"));
    f = bundled("R134a");
    f["model"] = "van-der-waals";
    EXPECT_EQ(reason(f), QStringLiteral("Eintrag model: unbekanntes Modell"));
    f.erase("format");
    EXPECT_EQ(reason(f), QStringLiteral("keine Stoffdatei (Eintrag format fehlt oder falsch)"));
    EXPECT_EQ(reason(QByteArray("{\"format\": \"drel-fluid\"")),
              QStringLiteral("kein gültiges JSON"));
}

TEST(FluidFileCheckPoint, ChangedCoefficientOrMolarMassFailsItsCheck) {
    json f = bundled("R134a");
    f["residual"][0]["n"][5] = f["residual"][0]["n"][5].get<double>() * 1.001;
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Prüfpunkt bei 261,4537 K: Taudruck ")))
        << reason(f).toStdString();
    // The pressure does not depend on the molar mass; the vapour volume does.
    f = bundled("R134a");
    f["molar_mass"] = 0.102032 * 0.6;
    EXPECT_EQ(reason(f), QStringLiteral("Prüfpunkt bei 261,4537 K: Dampfvolumen 0,1770036 m³/kg "
                                        "statt 0,1062022 m³/kg"));
    // Blend: the dew line is its correlation, the residual terms show in the volume.
    f = bundled("R404A");
    f["ancillaries"]["p_dew"]["n"][0] = f["ancillaries"]["p_dew"]["n"][0].get<double>() + 1e-3;
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Prüfpunkt bei 241,69 K: Taudruck ")));
    f = bundled("R404A");
    f["ancillaries"]["p_bubble"]["n"][1] =
        f["ancillaries"]["p_bubble"]["n"][1].get<double>() * 1.01;
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Prüfpunkt bei 241,69 K: Siededruck ")));
    f = bundled("R404A");
    f["residual"][0]["n"][0] = f["residual"][0]["n"][0].get<double>() * 1.01;
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Prüfpunkt bei 241,69 K: Dampfvolumen ")));
    // The ideal-gas terms show only in the enthalpies.
    f = bundled("R134a");
    f["ideal_gas"][0]["terms"][2]["n"][0] =
        f["ideal_gas"][0]["terms"][2]["n"][0].get<double>() * 1.001;
    EXPECT_TRUE(reason(f).startsWith(
        QStringLiteral("Prüfpunkt bei 261,4537 K: Enthalpiezunahme des idealen Gases bis +50 K ")))
        << reason(f).toStdString();
    f = bundled("R502");
    f["ideal_gas"][0]["weight"] = f["ideal_gas"][0]["weight"].get<double>() * 1.01;
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Prüfpunkt bei 254,31 K: Enthalpiezunahme")))
        << reason(f).toStdString();
    // Cubic model: the interaction parameter moves both lines.
    f = bundled("R502");
    f["k_ij"] = 0.0;
    EXPECT_TRUE(reason(f).startsWith(QStringLiteral("Prüfpunkt bei 254,31 K: Taudruck ")));
}

TEST(FluidFileCheckPoint, ToleranceIsOnePartInAMillion) {
    const json original = bundled("R404A");
    const double p = original["check"]["p_dew"].get<double>();
    for (const double factor : {1 + 0.9e-6, 1 - 0.9e-6}) {
        json f = original;
        f["check"]["p_dew"] = p * factor;
        EXPECT_EQ(reason(f), QString()) << factor;
    }
    for (const double factor : {1 + 1.1e-6, 1 - 1.1e-6}) {
        json f = original;
        f["check"]["p_dew"] = p * factor;
        EXPECT_TRUE(reason(f).startsWith(
            QStringLiteral("Prüfpunkt bei 241,69 K: Taudruck 1,903012 bar statt")))
            << reason(f).toStdString();
    }
}

// The solvers reproduce every shipped check point far inside the tolerance, so
// that a file is never refused for the last digits of an iteration.
TEST(FluidFileCheckPoint, EveryBundledFileReproducesItsPointWithMargin) {
    const QStringList files =
        QDir(bundledReflibs()).entryList({QStringLiteral("*.ref")}, QDir::Files);
    ASSERT_EQ(files.size(), 38);
    for (const QString& file : files) {
        QString error;
        const auto m = loadFluidFile(bundledReflibs() + QLatin1Char('/') + file, &error);
        ASSERT_NE(m, nullptr) << file.toStdString() << ": " << error.toStdString();
        const json chk = bundled(file.chopped(4).toLatin1().constData())["check"];
        const double t = chk["T"].get<double>();
        const double pDew = chk["p_dew"].get<double>();
        EXPECT_NEAR(m->dewPressure(t) / pDew, 1, 1e-7) << file.toStdString();
        EXPECT_NEAR(m->bubblePressure(t) / chk["p_bubble"].get<double>(), 1, 1e-7)
            << file.toStdString();
        EXPECT_NEAR(m->vapourVolume(t, pDew) / chk["v_dew"].get<double>(), 1, 1e-7)
            << file.toStdString();
        const double dh = m->enthalpyAt(t + 50, 1e-6) - m->enthalpyAt(t, 1e-6);
        EXPECT_NEAR(dh / chk["dh_ideal"].get<double>(), 1, 1e-7) << file.toStdString();
    }
}

TEST(StoffFileReason, ReachesTheSinkOnceBeforeTheOperationsMessages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    json f = bundled("R404A");
    f["molar_mass"] = 0.0;
    QFile out(dir.filePath(QStringLiteral("R404A.ref")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes(f));
    out.close();

    RecordingSink sink;
    ScopedMessageSink guard(&sink);
    TStoff s;
    s.Create(dir.path());
    s.KaeltemittelSetzen(QStringLiteral("R404A"));
    EXPECT_TRUE(std::isnan(s.Taudruck(-10)));
    EXPECT_TRUE(std::isnan(s.Taudruck(-10)));
    s.KaeltemittelSetzen(QStringLiteral("R134a")); // no file: named once
    EXPECT_TRUE(std::isnan(s.Taudruck(-10)));
    s.KaeltemittelSetzen(QStringLiteral("R404A, R507"));
    EXPECT_TRUE(std::isnan(s.FluessigEnthalpie(0)));
    EXPECT_EQ(s.modell(), nullptr);

    QStringList texts;
    for (const Message& m : sink.messages)
        texts << m.text;
    const QString expected = QStringLiteral(
        "Stoffdatei R404A.ref: Molmasse 0 g/mol ist nicht zulässig (2 bis 500 g/mol)");
    EXPECT_EQ(texts.count(expected), 1) << texts.join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts.at(0), expected);
    EXPECT_EQ(texts.at(1), QStringLiteral("Error: dew point pressure"));
    EXPECT_TRUE(texts.at(3).startsWith(QStringLiteral("Stoffdatei ")) &&
                texts.at(3).contains(QStringLiteral(".ref: nicht gefunden in ")))
        << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(texts.at(5), QStringLiteral("Error: liquid enthalpy"));
}

} // namespace
} // namespace drel::fluid::test
