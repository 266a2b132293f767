#include "sheet/pages/tabellenexport.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/numberformat.h"
#include "sheet/pages/ausschreibung.h"
#include "sheet/pages/leistungstabelle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <cmath>
#include <optional>
#include <xlsxwriter.h>

namespace drel::sheet {
namespace {

QString feld(const QString& text, QChar trenner) {
    const QString t = text.trimmed();
    if (!t.contains(trenner) && !t.contains(QLatin1Char('"')) && !t.contains(QLatin1Char('\n')) &&
        !t.contains(QLatin1Char('\r')))
        return t;
    QString q = t;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// A number cell as its digits show it, without grouping and with `dezimal`: a
// spreadsheet reads 19606 W as 19606, never as 19.606.
QString zahlFeld(const QString& gezeigt, QChar dezimal) {
    const NumberSeparators& sep = numberSeparators();
    QString t = gezeigt.trimmed();
    t.remove(sep.thousands);
    t.replace(sep.decimal, dezimal);
    return t;
}

QString getrennt(const LeistungsTabelle& t, QChar trenner, std::optional<QChar> dezimal) {
    QString s;
    for (const auto& [name, wert] : t.kopf())
        s += feld(name, trenner) + trenner + feld(wert, trenner) + QStringLiteral("\r\n");
    s += QStringLiteral("\r\n");
    for (int r = 0; r < t.zeilen(); ++r) {
        QStringList zeile;
        for (int c = 0; c < t.spalten(); ++c) {
            const TabellenZelle& z = t.zelle(c, r);
            const bool zahl = dezimal && std::isfinite(z.zahl) && !z.text.trimmed().isEmpty();
            zeile << (zahl ? zahlFeld(z.text, *dezimal) : feld(z.text, trenner));
        }
        s += zeile.join(trenner) + QStringLiteral("\r\n");
    }
    return s;
}

} // namespace

CsvForm CsvForm::fuerSprache(const QString& code) {
    if (code.compare(QLatin1String("De"), Qt::CaseInsensitive) == 0)
        return {QLatin1Char(';'), QLatin1Char(',')};
    return {QLatin1Char(','), QLatin1Char('.')};
}

QString alsCsv(const LeistungsTabelle& tabelle, const CsvForm& form) {
    return getrennt(tabelle, form.trenner, form.dezimal);
}

QString rasterAlsCsv(const ZellenRaster& raster, const CsvForm& form) {
    QString s;
    for (const auto& zeile : raster) {
        QStringList felder;
        for (const TabellenZelle& z : zeile) {
            const bool zahl = std::isfinite(z.zahl) && !z.text.trimmed().isEmpty();
            felder << (zahl ? zahlFeld(z.text, form.dezimal) : feld(z.text, form.trenner));
        }
        s += felder.join(form.trenner) + QStringLiteral("\r\n");
    }
    return s;
}

QString alsTabText(const LeistungsTabelle& tabelle) {
    // The clipboard goes into the user's own program: the numbers as the sheet shows them.
    return getrennt(tabelle, QLatin1Char('\t'), std::nullopt);
}

bool textSchreiben(const QString& datei, const QString& text, QString* grund) {
    return dateiAtomarSchreiben(datei, text.toUtf8(), grund);
}

namespace {
bool xlsxEntwurf(const ZellenRaster& raster, int fetteZeilen, const QString& datei);
bool xlsxSchreiben(const ZellenRaster& raster, int fetteZeilen, const QString& datei,
                   QString* grund);
} // namespace

bool alsXlsx(const LeistungsTabelle& t, const QString& datei, QString* grund) {
    // The header block (name bold, value) and an empty row, then the grid.
    ZellenRaster raster;
    for (const auto& [k, w] : t.kopf())
        raster.push_back({TabellenZelle{k}, TabellenZelle{w}});
    const int kopf = static_cast<int>(raster.size());
    raster.emplace_back();
    for (int r = 0; r < t.zeilen(); ++r) {
        raster.emplace_back();
        for (int c = 0; c < t.spalten(); ++c)
            raster.back().push_back(t.zelle(c, r));
    }
    return xlsxSchreiben(raster, -kopf, datei, grund);
}

bool rasterAlsXlsx(const ZellenRaster& raster, const QString& datei, QString* grund) {
    return xlsxSchreiben(raster, 1, datei, grund);
}

namespace {

// `fetteZeilen` > 0: so many first rows bold; < 0: the first column of so many rows.
bool xlsxSchreiben(const ZellenRaster& raster, int fetteZeilen, const QString& datei,
                   QString* grund) {
    // The workbook is made in a folder of its own and then put in place in one step: a
    // failed write keeps an earlier file of that name.
    QTemporaryDir werkstatt;
    if (!werkstatt.isValid()) {
        if (grund)
            *grund = werkstatt.errorString();
        return false;
    }
    const QString entwurf = werkstatt.filePath(QStringLiteral("tabelle.xlsx"));
    if (!xlsxEntwurf(raster, fetteZeilen, entwurf)) {
        if (grund)
            *grund = QCoreApplication::translate("drel::sheet::Tabellenexport",
                                                 "Die Arbeitsmappe konnte nicht erstellt werden.");
        return false;
    }
    QFile f(entwurf);
    if (!f.open(QIODevice::ReadOnly)) {
        if (grund)
            *grund = f.errorString();
        return false;
    }
    return dateiAtomarSchreiben(datei, f.readAll(), grund);
}

bool xlsxEntwurf(const ZellenRaster& raster, int fetteZeilen, const QString& datei) {
    const QByteArray name = QFile::encodeName(datei);
    lxw_workbook* buch = workbook_new(name.constData());
    if (!buch)
        return false;
    lxw_worksheet* blatt = workbook_add_worksheet(buch, nullptr);
    lxw_format* fett = workbook_add_format(buch);
    format_set_bold(fett);
    QHash<QString, lxw_format*> zahlFormate; // one format per number format text
    const auto zahlFormat = [&](const QString& muster) -> lxw_format* {
        if (muster.isEmpty())
            return nullptr;
        lxw_format*& f = zahlFormate[muster];
        if (!f) {
            f = workbook_add_format(buch);
            format_set_num_format(f, muster.toUtf8().constData());
        }
        return f;
    };
    bool ok = blatt != nullptr;
    for (std::size_t r = 0; r < raster.size(); ++r) {
        const auto zeile = static_cast<lxw_row_t>(r);
        for (std::size_t c = 0; c < raster[r].size(); ++c) {
            const TabellenZelle& z = raster[r][c];
            const QString text = z.text.trimmed();
            if (text.isEmpty())
                continue;
            const auto spalte = static_cast<lxw_col_t>(c);
            const int ri = static_cast<int>(r);
            const bool istFett = fetteZeilen > 0 ? ri < fetteZeilen : (ri < -fetteZeilen && c == 0);
            lxw_error fehler =
                std::isfinite(z.zahl)
                    ? worksheet_write_number(blatt, zeile, spalte, z.zahl, zahlFormat(z.zahlFormat))
                    : worksheet_write_string(blatt, zeile, spalte, text.toUtf8().constData(),
                                             istFett ? fett : nullptr);
            ok = ok && fehler == LXW_NO_ERROR;
        }
    }
    return workbook_close(buch) == LXW_NO_ERROR && ok;
}

} // namespace

QString bildDateiVorschlag(const QString& typ, bool fotoSeiteAktiv, const QString& beschriftungFoto,
                           const QString& beschriftungMass) {
    QString name = typ;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return name + QLatin1Char('-') + (fotoSeiteAktiv ? beschriftungFoto : beschriftungMass) +
           QStringLiteral(".jpg");
}

QString zuWordDateiSchreiben(const Ausschreibung& text) {
    const QString verzeichnis = verzeichnisse().einstellungen;
    QDir().mkpath(verzeichnis);
    const QString datei = pfad(verzeichnis, QStringLiteral("DrelTmp.Doc"));
    return dateiAtomarSchreiben(datei, text.alsRtf()) ? datei : QString();
}

} // namespace drel::sheet
