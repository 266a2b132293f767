// Texts of the program directory per language: help (HTML with one anchor per
// topic number), notes, readme, the LV text and the help texts of the data sheet.
#pragma once

#include <QString>
#include <QStringList>

namespace drel::katalog {

// Language codes of the file names.
const QStringList& sprachCodes();
// Help topic numbers that the windows open.
const QList<int>& hilfeThemen();

void programmtexteSchreiben(const QString& programmVerzeichnis);

} // namespace drel::katalog
