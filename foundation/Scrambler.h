#pragma once
// Texts that must not stand readable in the program or its files (server addresses,
// the stored account password): an XOR key stream over the bytes, then a base64
// variant that puts the lowest six bits first and adds no fill characters. Stored
// files depend on these exact bytes.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Scrambler {

// Keys in use.
inline constexpr std::uint16_t KeySettings = 42967;   // page and service addresses, top-up page
inline constexpr std::uint16_t KeyAccount = 24591;    // account and upload addresses, stored password
inline constexpr std::uint16_t KeyStatTable = 51372;  // per-group statistics table

QByteArray ScrambleText(const QByteArray& plain, std::uint16_t key);
QByteArray UnscrambleText(const QByteArray& text, std::uint16_t key);

// The same over one-byte text: characters travel as their code page 1251 bytes.
QString ScrambleText(const QString& plain, std::uint16_t key);
QString UnscrambleText(const QString& text, std::uint16_t key);

// The two halves, for callers and tests that need one of them alone.
QByteArray EncipherBytes(const QByteArray& plain, std::uint16_t key);
QByteArray DecipherBytes(const QByteArray& cipher, std::uint16_t key);
QByteArray EncodeBase64Variant(const QByteArray& bytes);
// A character outside the alphabet counts as 0; a final lone character is dropped.
QByteArray DecodeBase64Variant(const QByteArray& text);

} // namespace Scrambler
