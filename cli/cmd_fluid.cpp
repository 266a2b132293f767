// drel-cli fluid <refrigerant> <operation> <arguments...> [--reflibs DIR]
#include "base/directories.h"
#include "base/messagesink.h"
#include "cli/argumente.h"
#include "cli/commands.h"
#include "fluid/stoff.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <cstdio>

namespace drel::cli {

namespace {

struct Operation {
    const char* name;
    int arguments;
};

const Operation kOperations[] = {
    {"Taudruck", 1},          {"Siedetemperatur", 1},
    {"FluessigEnthalpie", 1}, {"FluessigEnthalpieSiedepunkt", 1},
    {"DampfEnthalpie", 2},    {"DampfVolumen", 2},
};

// The bundled reflibs folder of the program directory, else the settings copy.
QString defaultReflibs() {
    const QString bundled = findeDatei(QDir::currentPath(), QStringLiteral("reflibs"));
    if (QFileInfo(bundled).isDir())
        return bundled;
    return pfad(verzeichnisse().einstellungen, QStringLiteral("Reflibs"));
}

double call(fluid::TStoff& s, const QString& op, const double* v) {
    if (op == QLatin1String("Taudruck"))
        return s.Taudruck(v[0]);
    if (op == QLatin1String("Siedetemperatur"))
        return s.Siedetemperatur(v[0]);
    if (op == QLatin1String("FluessigEnthalpie"))
        return s.FluessigEnthalpie(v[0]);
    if (op == QLatin1String("FluessigEnthalpieSiedepunkt"))
        return s.FluessigEnthalpieSiedepunkt(v[0]);
    if (op == QLatin1String("DampfEnthalpie"))
        return s.DampfEnthalpie(v[0], v[1]);
    return s.DampfVolumen(v[0], v[1]);
}

int usage(const QString& meldung) {
    return nutzungsfehler(QStringLiteral("fluid"), meldung);
}

} // namespace

int cmdFluid(const QStringList& arguments) {
    QStringList args = arguments;
    QString dir;
    const qsizetype at = args.indexOf(QStringLiteral("--reflibs"));
    if (at >= 0) {
        if (at + 1 >= args.size())
            return usage(QStringLiteral("--reflibs ohne Verzeichnis"));
        dir = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() < 2)
        return usage(QStringLiteral("Kaeltemittel und Operation fehlen"));
    const Operation* op = nullptr;
    for (const Operation& o : kOperations) {
        if (args.at(1).compare(QLatin1String(o.name), Qt::CaseInsensitive) == 0)
            op = &o;
    }
    if (!op)
        return usage(QStringLiteral("unbekannte Operation '%1'").arg(args.at(1)));
    if (args.size() != 2 + op->arguments)
        return usage(
            QStringLiteral("%1 braucht %2 Argument(e)").arg(args.at(1)).arg(op->arguments));
    double values[2] = {0, 0};
    for (int i = 0; i < op->arguments; ++i) {
        const std::optional<double> v = zahlLesen(args.at(2 + i));
        if (!v)
            return usage(QStringLiteral("keine Zahl: %1").arg(args.at(2 + i)));
        values[i] = *v;
    }
    const QString reflibs = dir.isEmpty() ? defaultReflibs() : dir;
    // Without this check an unknown name would only show the first failing property
    // call ("dew point pressure").
    const QString stamm = fluid::fluidFileStem(args.at(0));
    if (stamm.isEmpty() || !QFileInfo::exists(findeDatei(reflibs, stamm + QStringLiteral(".ref"))))
        return usage(QStringLiteral("Fuer das Kaeltemittel '%1' gibt es keine Stoffdatei in %2.")
                         .arg(args.at(0), reflibs));
    fluid::TStoff stoff;
    stoff.Create(reflibs);
    stoff.KaeltemittelSetzen(args.at(0));
    const double v = call(stoff, QLatin1String(op->name), values);
    if (std::isnan(v))
        return 1;
    std::printf("%.10g\n", v);
    return 0;
}

} // namespace drel::cli
