// The three directories every path is built from: the program directory (the
// working directory at start), the documents folder and the settings directory.
#pragma once

#include <QString>

namespace drel {

struct Verzeichnisse {
    QString programm;      // program directory, no trailing slash
    QString dokumente;     // documents folder, no trailing slash
    QString einstellungen; // <documents folder>/DrelWUK
};

Verzeichnisse& verzeichnisse();

// Joins a directory and a relative name with exactly one "/".
QString pfad(const QString& verzeichnis, const QString& relativ);

// Finds an existing file below `verzeichnis` whose relative path matches `relativ`
// without regard to letter case (the data names files as the original file system
// did). Returns the real path, or the plain joined path when nothing matches. A name
// that would leave `verzeichnis` ("..", also written with "\\") gives "": names come
// from the data, and no export may make a document show a file from elsewhere.
QString findeDatei(const QString& verzeichnis, const QString& relativ);

// True when `relativ` stays inside the folder it is joined to (no ".." component).
bool bleibtImOrdner(const QString& relativ);

} // namespace drel
