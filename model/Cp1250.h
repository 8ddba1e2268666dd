#pragma once
// The station stores texts in the Windows-1250 (Central European) code page,
// one byte per character.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace torval {

// Characters outside the code page (and the NUL that would end a text early)
// become '?', one byte per character.
QByteArray toCp1250(const QString& text);
// The same bytes written straight to `out`, which must have room for
// text.size() bytes; returns how many were written.
qsizetype writeCp1250(const QString& text, std::uint8_t* out);
QString fromCp1250(const QByteArray& bytes);
QChar cp1250ToUnicode(unsigned char byte);
// The first character of `text` the code page cannot hold (it would be
// stored as '?'), as text (an emoji is two UTF-16 units); empty when every
// character fits.
QString firstCharOutsideCp1250(const QString& text);
// Number of bytes toCp1250 would produce.
int cp1250Length(const QString& text);

} // namespace torval
