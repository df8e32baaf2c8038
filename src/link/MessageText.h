#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Texts of the messages exchanged with the tester.
//
// A message starts with its ten-character code ("KLT37_" and four characters); an answer has
// its payload fields at fixed 1-based character positions.
namespace MessageText
{

// The text of one input report: one character per byte, through Windows-1252, NULs kept.
QString fromReport(const QByteArray &data);
// Characters 1 to 10.
QString code(const QString &text);
// The characters from 1-based position on, at most length of them; shorter or empty where the
// text ends first.
QString field(const QString &text, int position, int length);

// Strict integer conversion of a field: leading blanks, an optional sign, then decimal digits
// up to the end of the field or the first NUL. Nothing when the field is empty, holds only
// NULs, or holds any other character.
std::optional<int> toInteger(const QString &field);
// The same for a decimal number, whose decimal separator is the program-wide one; trailing
// blanks are allowed as well.
std::optional<long double> toReal(const QString &field);

} // namespace MessageText
