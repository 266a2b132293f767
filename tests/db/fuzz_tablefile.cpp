// libFuzzer target: any bytes as a table file are loaded or refused with a DbError
// that names the file - no crash, no other exception. The loaded table is walked
// once so that every stored value is touched.
#include "db/table.h"
#include "db/tablefile.h"
#include "db/value.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Articles.cds"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        const drel::db::TablePtr table = drel::db::loadTableFile(path);
        for (const drel::db::Row& row : table->rows())
            for (const drel::db::Value& v : row)
                (void)drel::db::toString(v);
    } catch (const drel::db::DbError& e) {
        if (e.message().isEmpty())
            __builtin_trap(); // a refused file always says why
    }
    return 0;
}
