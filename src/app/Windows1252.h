#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The Windows-1252 code page, one character per byte. The five bytes the code page leaves
// undefined map to the control characters of the same number, so every byte survives a round
// trip.
namespace Windows1252
{

QChar toChar(unsigned char byte);
QString decode(const QByteArray &bytes);
// The bytes of text, or nothing when a character has no byte in the code page.
std::optional<QByteArray> encode(const QString &text);

} // namespace Windows1252
