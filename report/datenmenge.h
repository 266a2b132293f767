// A user data set: a cursor the program moves for a data band. The band calls
// First, then prints one row and calls Next until CheckEOF reports the end.
#pragma once

#include <QString>
#include <optional>

namespace drel::bericht {

class Datenmenge {
public:
    virtual ~Datenmenge() = default;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool CheckEOF() const = 0;
    // Value of a field of the current row; nullopt for a field the set lacks,
    // so that a "[...]" in a memo that names no field stays as written.
    virtual std::optional<QString> GetValue(const QString& feld) const = 0;
};

} // namespace drel::bericht
