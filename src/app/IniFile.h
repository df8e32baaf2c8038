#pragma once

#include <QString>

// A settings file in INI format, read and written one key at a time.
//
// Every read goes to the file; every write changes exactly one key in the file at once and
// leaves every other line (comments, other sections, unknown keys, their order and line
// endings) as it was. Section and key names are matched without regard to case, and values
// are trimmed and lose one pair of enclosing quotes when read, as Windows profile files are.
// A write replaces the file in one step through a temporary file, so the file is never left
// half-written.
class IniFile
{
public:
    explicit IniFile(const QString &fileName);

    const QString &fileName() const { return fileName_; }

    // The value of key in section; defaultValue when the file, the section or the key is missing.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    // The value as a decimal integer; defaultValue when it is missing or not an integer.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;

    // Sets key in section to value, creating the file, the section and the key as needed.
    // Returns false when the file cannot be written; writeErrorText() then says so.
    bool writeString(const QString &section, const QString &key, const QString &value);
    QString writeErrorText() const;

private:
    QString fileName_;
};
