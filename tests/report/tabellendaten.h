// A user data set over a fixed table, counting how the band moves it.
#pragma once

#include "report/datenmenge.h"

#include <QStringList>
#include <vector>

namespace drel::bericht::test {

class Tabellendaten : public Datenmenge {
public:
    Tabellendaten(QStringList felder, std::vector<QStringList> zeilen)
        : felder_(std::move(felder)), zeilen_(std::move(zeilen)) {}

    // n rows with Feld1 = "Zeile <i>" (1-based).
    static Tabellendaten nummeriert(int n) {
        std::vector<QStringList> zeilen;
        for (int i = 1; i <= n; ++i)
            zeilen.push_back({QStringLiteral("Zeile %1").arg(i)});
        return Tabellendaten({QStringLiteral("Feld1")}, std::move(zeilen));
    }

    void First() override {
        zeile_ = 0;
        ++firstAufrufe;
    }
    void Next() override { ++zeile_; }
    bool CheckEOF() const override { return zeile_ >= zeilen_.size(); }
    std::optional<QString> GetValue(const QString& feld) const override {
        for (qsizetype i = 0; i < felder_.size(); ++i)
            if (felder_[i].compare(feld, Qt::CaseInsensitive) == 0)
                return zeilen_.at(zeile_).value(i);
        return std::nullopt;
    }

    int firstAufrufe = 0;

private:
    QStringList felder_;
    std::vector<QStringList> zeilen_;
    std::size_t zeile_ = 0;
};

} // namespace drel::bericht::test
