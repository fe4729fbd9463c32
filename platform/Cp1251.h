#pragma once
// Code page 1251: the one-byte encoding of the program's text files, card codes on
// disk and HTTP bodies.
#include <QByteArray>
#include <QString>

namespace platform::cp1251 {

// Unicode character of one byte. Every byte maps; the unassigned 0x98 maps to the
// control character U+0098 so that all 256 bytes survive a round trip.
QChar toUnicode(unsigned char b);
QString toUnicode(const QByteArray& bytes);

// False when a character has no byte in the code page.
bool canEncode(const QString& text);
// Characters without a byte become '?'.
QByteArray fromUnicode(const QString& text);
// The byte of one character, or -1 when it has none.
int byteOf(QChar c);

} // namespace platform::cp1251
