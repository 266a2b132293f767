// Writing and reading the files the program keeps for the user.
//
// Every file is written into a temporary file beside its target, flushed to the disk
// and only then renamed over the target, so that a full disk, a killed process or a
// missing permission leaves the old file as it was. Readers of settings take a size
// cap and never wait on something that is not a regular file (a FIFO, a device).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace drel {

// Writes `inhalt` to `ziel` through a temporary file ".<name>.drel-<pid>-XXXXXX" in the
// same folder. A target that is a symbolic link has the file it points to replaced; an
// existing target that is no regular file (a device, a FIFO) is written directly and
// never replaced. False on any failure, with the reason in `grund` (the old file then
// stays as it was and no temporary file is left).
bool dateiAtomarSchreiben(const QString& ziel, const QByteArray& inhalt, QString* grund = nullptr);

// The same, and a failure is reported through the message sink with file and reason.
bool dateiSchreibenOderMelden(const QString& ziel, const QByteArray& inhalt);

// "Die Datei X kann nicht geschrieben werden: <grund>." for a message box or stderr.
QString schreibFehlerText(const QString& datei, const QString& grund);

// Reads a settings file of at most `hoechstens` bytes. nullopt when the file is
// missing, is no regular file, cannot be read or is larger; `grund` then says why
// (empty for a file that does not exist).
std::optional<QByteArray> einstellungsDateiLesen(const QString& datei, qint64 hoechstens,
                                                 QString* grund = nullptr);

// The first `anzahl` bytes (fewer when the file is shorter) of a regular file, for a
// fixed-size record whose file may carry more; nullopt as einstellungsDateiLesen.
std::optional<QByteArray> dateiAnfangLesen(const QString& datei, qint64 anzahl,
                                           QString* grund = nullptr);

// True when `datei` is missing or a regular file: anything else (a FIFO, a device,
// a folder) is no settings file and is neither read nor replaced.
bool alsEinstellungsDateiLesbar(const QString& datei);

// Removes in `verzeichnis` what killed writes left behind: the temporary files of
// dateiAtomarSchreiben whose process is gone, and for each of `namen` the temporary
// files "<name>.XXXXXX" of an earlier atomic write. Returns how many were removed.
int schreibResteEntfernen(const QString& verzeichnis, const QStringList& namen = {});

// For tests: called before each block written to a temporary file with the target and
// the bytes written so far; a non-zero errno makes that write fail as if the system had
// returned it (ENOSPC for a full disk). An empty function removes the hook.
using SchreibStoerung = std::function<int(const QString& ziel, qint64 geschrieben)>;
void setSchreibStoerung(SchreibStoerung stoerung);

} // namespace drel
