// Reads the cells of the first worksheet of an XLSX workbook: the ZIP container with
// zlib, the sheet and its shared strings with QXmlStreamReader. Enough for the tables
// people save from a spreadsheet (text, numbers, inline strings); formulas give their
// cached value.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace drel::sheet {

// The rows of the first worksheet, each a list of cell texts from column A (gaps are
// empty); empty with the reason in `grund` when the archive or the sheet is broken.
std::optional<std::vector<QStringList>> xlsxZellenLesen(const QByteArray& archiv,
                                                        QString* grund = nullptr);

// One member of a ZIP archive (stored or deflated), empty when it is not there or
// cannot be unpacked. Members larger than `grenze` bytes are refused.
std::optional<QByteArray> zipEintrag(const QByteArray& archiv, const QString& name,
                                     qint64 grenze = 256LL * 1024 * 1024);

} // namespace drel::sheet
