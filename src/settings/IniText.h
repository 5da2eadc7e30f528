// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tavrin {

// The text of a settings file in QSettings' INI format, read and edited in
// memory: no copy of it is written anywhere, and no lock is taken (its owner
// takes the lock around a write).
//
// The format is QSettings' own, so that files written by earlier versions of
// the program (through QSettings) read as they did, and a file this writes
// reads the same through QSettings: "[section]" headers, "key=value" lines,
// keys escaped with %XX and %UXXXX, values with quotes and backslash escapes
// and a comma between the items of a list, comment lines starting with ';'.
// An edit replaces the line of the key it sets, or adds one at the end of
// its section; every other line (other sections, comments, the line ends)
// stays exactly as it was.
class IniText {
public:
    // The text `bytes`, an empty text for a file that does not exist.
    explicit IniText(const QByteArray& bytes);

    // Whether all of the text could be parsed, as QSettings parses it; a text
    // that cannot holds nothing that can be trusted (a line that is neither a
    // section header, a key, a comment nor blank; a header without its "]").
    bool readable() const { return readable_; }
    // The value of `key` in `section`: nothing where the key is absent, and
    // the empty text where the value is not a single text (a list, or a
    // value of another type that QSettings writes with an @ form).
    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& text);
    // The whole text, with every edit made.
    QByteArray bytes() const;

    // One value as QSettings writes it, and back; public for the tests.
    static QByteArray escapedValue(const QString& text);
    static std::optional<QString> unescapedValue(const QByteArray& raw);

private:
    struct Line {
        enum Kind { Other, Section, Key };
        QByteArray text; // without its line end
        QByteArray end;  // "\n", "\r\n", "\r", or none for a last line without one
        Kind kind = Other;
        QString section; // the section the line opens or stands in
        QString key;
        qsizetype valueStart = 0;
    };

    void parse(const QByteArray& bytes);
    // The last line of `key` in `section`; -1 for none.
    qsizetype find(const QString& section, const QString& key) const;

    std::vector<Line> lines_;
    bool readable_ = true;
};

} // namespace tavrin
