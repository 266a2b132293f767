// What the print tests read back from a prepared report: the texts of one memo.
#pragma once

#include "report/bericht.h"
#include "report/memo.h"

#include <QStringList>

namespace drel::print::test {

// The texts of every instance of `memo`, page by page.
inline QStringList texteVon(const bericht::Bericht& bericht, const QString& memo) {
    QStringList texte;
    for (int s = 0; s < bericht.pageCount(); ++s)
        for (const bericht::Druckobjekt* o : bericht.preparedPage(s).find(memo))
            texte << static_cast<const bericht::Memo*>(o)->text();
    return texte;
}

} // namespace drel::print::test
