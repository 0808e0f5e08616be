#pragma once
// Settings files in the INI format, read and written value by value.
// Section and key names match without regard to case; a missing file,
// section or key yields the default. Writing one key leaves every other
// line of the file byte for byte as it was. Files that are not valid UTF-8
// are taken as Windows-1252 and written back in it.
#include <QString>

namespace Ini {

QString le(const QString& arquivo, const QString& secao, const QString& chave, const QString& padrao = QString());

// Writes one key, creating the file and the section when absent.
// Returns false (and leaves the file untouched) when it cannot be written.
bool grava(const QString& arquivo, const QString& secao, const QString& chave, const QString& valor);

// Windows-1252 conversions, shared with the content builder.
QString deCp1252(const QByteArray& bytes);
QByteArray paraCp1252(const QString& texto);

} // namespace Ini
