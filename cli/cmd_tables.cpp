// "tables" and "dump": a look into the product tables without the windows.
#include "base/directories.h"
#include "cli/commands.h"
#include "db/cursor.h"
#include "db/datamodule.h"
#include "db/tabledefs.h"
#include "db/tablefile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

namespace drel::cli {

namespace {

void print(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

// Takes "--name value" out of args; empty when absent.
QString takeOption(QStringList& args, const QString& name) {
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Values as a machine reads them: "." as decimal point, the shortest exact text.
QString csvValue(const db::Value& v) {
    if (const double* d = std::get_if<double>(&v))
        return QString::number(*d, 'g', QLocale::FloatingPointShortest);
    return csvField(db::toString(v));
}

QString tablePath(const QString& dir, const db::TableDef& def) {
    return findeDatei(pfad(dir, QStringLiteral("Daten")), def.fileName);
}

} // namespace

std::optional<QString> programDirectory(QStringList& args, const QString& befehl) {
    const bool gegeben = args.contains(QStringLiteral("--dir"));
    const QString dir = takeOption(args, QStringLiteral("--dir"));
    if (!gegeben)
        return QDir::currentPath();
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        nutzungsfehler(befehl,
                       QStringLiteral("Das Programmverzeichnis '%1' gibt es nicht.").arg(dir));
        return std::nullopt;
    }
    return QDir(dir).absolutePath();
}

void requireTables(const db::TDataModule1& dm) {
    if (!dm.openErrors().empty())
        throw dm.openErrors().front();
}

QString reflibsDirectory(const QString& option, const QString& programDir) {
    if (!option.isEmpty())
        return option;
    const QString bundled = findeDatei(programDir, QStringLiteral("reflibs"));
    if (QFileInfo(bundled).isDir())
        return bundled;
    return pfad(verzeichnisse().einstellungen, QStringLiteral("Reflibs"));
}

int cmdTables(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, QStringLiteral("tables"));
    if (!programm)
        return 2;
    if (!args.isEmpty())
        return nutzungsfehler(QStringLiteral("tables"),
                              QStringLiteral("unbekanntes Argument '%1'").arg(args.first()));
    const QString& dir = *programm;
    int failures = 0;
    for (const db::TableDef& def : db::produktTabellen()) {
        const QString path = tablePath(dir, def);
        try {
            const db::TablePtr table = db::loadTableFile(path);
            print(QStringLiteral("%1 %2\n").arg(def.fileName, -36).arg(table->rowCount()));
        } catch (const db::DbError& e) {
            ++failures;
            print(QStringLiteral("%1 -\n").arg(def.fileName, -36));
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        }
    }
    return failures == 0 ? 0 : 1;
}

int cmdDump(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, QStringLiteral("dump"));
    if (!programm)
        return 2;
    const QString& dir = *programm;
    const QString filter = takeOption(args, QStringLiteral("--filter"));
    const QString sort = takeOption(args, QStringLiteral("--sort"));
    const QString fields = takeOption(args, QStringLiteral("--fields"));
    if (args.size() != 1)
        return nutzungsfehler(QStringLiteral("dump"), QStringLiteral("genau eine Tabelle nennen"));
    const db::TableDef* def = db::tabelle(args.first());
    if (!def)
        return nutzungsfehler(QStringLiteral("dump"),
                              QStringLiteral("unbekannte Tabelle '%1'").arg(args.first()));
    try {
        db::Cursor cursor(def->name);
        cursor.setFileName(tablePath(dir, *def));
        cursor.setIndexFieldNames(QString(sort).replace(QLatin1Char(','), QLatin1Char(';')));
        cursor.setFilter(filter);
        cursor.setFiltered(!filter.isEmpty());
        cursor.open();
        QStringList names;
        if (fields.isEmpty()) {
            for (const db::FieldDef& f : cursor.table()->def().fields)
                names << f.name;
        } else {
            for (const QString& f : fields.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const int index = cursor.fieldIndex(f.trimmed());
                if (index < 0)
                    throw db::DbError(
                        QStringLiteral("%1: Feld '%2' nicht gefunden").arg(def->name, f.trimmed()));
                names << cursor.table()->def().fields[static_cast<size_t>(index)].name;
            }
        }
        print(names.join(QLatin1Char(',')) + QLatin1Char('\n'));
        for (cursor.first(); !cursor.eof(); cursor.next()) {
            QStringList cells;
            for (const QString& name : names)
                cells << csvValue(cursor.value(name));
            print(cells.join(QLatin1Char(',')) + QLatin1Char('\n'));
        }
    } catch (const db::DbError& e) {
        std::fprintf(stderr, "drel-cli dump: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}

} // namespace drel::cli
