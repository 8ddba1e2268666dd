#pragma once
// The station stores texts in the Windows-1250 (Central European) code page,
// one byte per character.

#include <QByteArray>
#include <QString>

namespace torval {

// Characters outside the code page (and the NUL that would end a text early)
// become '?', one byte per character.
QByteArray toCp1250(const QString& text);
QString fromCp1250(const QByteArray& bytes);
QChar cp1250ToUnicode(unsigned char byte);
// Number of bytes toCp1250 would produce.
int cp1250Length(const QString& text);

} // namespace torval
