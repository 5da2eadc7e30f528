// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "IniText.h"

#include <QList>
#include <QStringDecoder>
#include <QStringList>
#include <array>

namespace tavrin {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The control characters QSettings writes as a backslash and a letter.
constexpr std::array<std::pair<char, char>, 7> kNamedEscapes{
    {{'\a', 'a'}, {'\b', 'b'}, {'\f', 'f'}, {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}, {'\v', 'v'}}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isHexDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

uint digitValue(char c) {
    return c <= '9' ? static_cast<uint>(c - '0') : static_cast<uint>((c | 0x20) - 'a' + 10);
}

// Keys and section names: letters, digits, '_', '-' and '.' as they are, '/'
// as '\', any other character as %XX or %UXXXX.
QByteArray escapedKey(const QString& key) {
    QByteArray result;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
            u == '_' || u == '-' || u == '.') {
            result += static_cast<char>(u);
        } else if (u == '/') {
            result += '\\';
        } else if (u <= 0xFF) {
            result += '%';
            result += kHexDigits[u >> 4];
            result += kHexDigits[u & 0xF];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) {
                result += kHexDigits[(u >> shift) & 0xF];
            }
        }
    }
    return result;
}

QString unescapedKey(QByteArrayView raw) {
    QString result;
    for (qsizetype i = 0; i < raw.size();) {
        const char c = raw[i];
        if (c == '\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < raw.size()) {
            const bool wide = raw[i + 1] == 'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const uint code = first + digits <= raw.size()
                                  ? raw.sliced(first, digits).toByteArray().toUInt(&ok, 16)
                                  : 0;
            if (ok) {
                result += QChar(static_cast<char16_t>(code));
                i = first + digits;
                continue;
            }
        }
        result += QLatin1Char(c);
        ++i;
    }
    return result;
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// Whether the text ends in a backslash that escapes the line end after it.
bool continues(QByteArrayView text) {
    qsizetype backslashes = 0;
    while (backslashes < text.size() && text[text.size() - 1 - backslashes] == '\\') {
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

// The section a header names; "General" is the keys outside any section.
QString sectionName(QByteArrayView inside) {
    const QString name = unescapedKey(trimmed(inside));
    return name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0 ? QString() : name;
}

} // namespace

IniText::IniText(const QByteArray& bytes) {
    parse(bytes);
}

void IniText::parse(const QByteArray& bytes) {
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF")) {
        // A byte order mark, kept as the start of the first line.
        lines_.push_back({rest.first(3).toByteArray(), {}, Line::Other, {}, {}, 0});
        rest = rest.sliced(3);
    }
    QString section;
    while (!rest.isEmpty()) {
        // One line, with the lines a backslash at its end carries on into.
        qsizetype length = 0;
        qsizetype endLength = 0;
        for (;;) {
            qsizetype at = length;
            while (at < rest.size() && rest[at] != '\n' && rest[at] != '\r') {
                ++at;
            }
            endLength = at == rest.size() ? 0 : (rest.sliced(at).startsWith("\r\n") ? 2 : 1);
            const QByteArrayView text = trimmed(rest.first(at));
            if (endLength == 0 || text.startsWith(';') || !continues(rest.first(at))) {
                length = at;
                break;
            }
            length = at + endLength;
        }
        Line line{rest.first(length).toByteArray(),
                  rest.sliced(length, endLength).toByteArray(),
                  Line::Other,
                  section,
                  {},
                  0};
        rest = rest.sliced(length + endLength);

        const QByteArrayView text = trimmed(line.text);
        if (text.isEmpty() || text.startsWith(';') || text.startsWith('#')) {
            lines_.push_back(std::move(line));
            continue;
        }
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            if (close < 0) {
                readable_ = false;
            } else {
                section = sectionName(text.sliced(1, close - 1));
            }
            line.kind = Line::Section;
            line.section = section;
            lines_.push_back(std::move(line));
            continue;
        }
        const qsizetype equals = line.text.indexOf('=');
        if (equals < 0) {
            readable_ = false;
            lines_.push_back(std::move(line));
            continue;
        }
        line.kind = Line::Key;
        line.key = unescapedKey(trimmed(QByteArrayView(line.text).first(equals)));
        line.valueStart = equals + 1;
        lines_.push_back(std::move(line));
    }
}

qsizetype IniText::find(const QString& section, const QString& key) const {
    for (qsizetype i = static_cast<qsizetype>(lines_.size()) - 1; i >= 0; --i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        if (line.kind == Line::Key && line.section == section && line.key == key) {
            return i;
        }
    }
    return -1;
}

std::optional<QString> IniText::value(const QString& section, const QString& key) const {
    const qsizetype at = find(section, key);
    if (at < 0) {
        return std::nullopt;
    }
    const Line& line = lines_[static_cast<std::size_t>(at)];
    return unescapedValue(line.text.sliced(line.valueStart));
}

void IniText::setValue(const QString& section, const QString& key, const QString& text) {
    const QByteArray line = escapedKey(key) + '=' + escapedValue(text);
    if (const qsizetype at = find(section, key); at >= 0) {
        lines_[static_cast<std::size_t>(at)].text = line;
        return;
    }
    // New lines end as the text's first line does.
    QByteArray end = "\n";
    for (const Line& l : lines_) {
        if (!l.end.isEmpty()) {
            end = l.end;
            break;
        }
    }
    // After the last key of the section's last header, or a new section at
    // the end, a blank line after the text before it.
    qsizetype after = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines_.size()); ++i) {
        const Line& l = lines_[static_cast<std::size_t>(i)];
        if (l.section == section && (l.kind == Line::Key || l.kind == Line::Section)) {
            after = i;
        }
    }
    if (after < 0 && !section.isEmpty()) {
        if (!lines_.empty()) {
            if (lines_.back().end.isEmpty()) {
                lines_.back().end = end;
            }
            if (!trimmed(lines_.back().text).isEmpty()) {
                lines_.push_back({{}, end, Line::Other, {}, {}, 0});
            }
        }
        lines_.push_back({'[' + escapedKey(section) + ']', end, Line::Section, section, {}, 0});
        after = static_cast<qsizetype>(lines_.size()) - 1;
    }
    if (after >= 0 && lines_[static_cast<std::size_t>(after)].end.isEmpty()) {
        lines_[static_cast<std::size_t>(after)].end = end;
    }
    lines_.insert(lines_.begin() + (after + 1),
                  Line{line, end, Line::Key, section, key, escapedKey(key).size() + 1});
}

QByteArray IniText::bytes() const {
    QByteArray result;
    for (const Line& line : lines_) {
        result += line.text;
        result += line.end;
    }
    return result;
}

QByteArray IniText::escapedValue(const QString& text) {
    // A text starting with '@' would read as one of QSettings' typed forms.
    const QString value = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray result;
    bool quotes = false;
    bool escapeHexDigit = false; // after \x or \0, a hex digit is escaped too
    const QList<uint> codes = value.toUcs4();
    for (const uint c : codes) {
        if (c == ';' || c == ',' || c == '=') {
            quotes = true;
        }
        if (escapeHexDigit && isHexDigit(c)) {
            result += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        bool named = false;
        for (const auto& [code, letter] : kNamedEscapes) {
            if (c == static_cast<uint>(code)) {
                result += '\\';
                result += letter;
                named = true;
            }
        }
        if (named) {
            continue;
        }
        if (c == 0) {
            result += "\\0";
            escapeHexDigit = true;
        } else if (c == '"' || c == '\\') {
            result += '\\';
            result += static_cast<char>(c);
        } else if (c <= 0x1F || c == 0x7F) {
            result += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else {
            const char32_t code = c;
            result += QString::fromUcs4(&code, 1).toUtf8();
        }
    }
    if (quotes || result.startsWith(' ') || result.endsWith(' ')) {
        result = '"' + result + '"';
    }
    return result;
}

std::optional<QString> IniText::unescapedValue(const QByteArray& raw) {
    QString result;
    bool list = false;
    bool inQuotes = false;
    bool quoted = false; // the current item had quotes
    qsizetype keep = 0;  // trailing blanks are cut back to here at most
    QStringDecoder decoder(QStringDecoder::Utf8);
    const auto cutTrailingBlanks = [&] {
        if (!quoted) {
            while (result.size() > keep && (result.back() == u' ' || result.back() == u'\t')) {
                result.chop(1);
            }
        }
    };
    qsizetype i = 0;
    const qsizetype size = raw.size();
    const auto skipBlanks = [&] {
        while (i < size && isBlank(raw[i])) {
            ++i;
        }
        keep = result.size();
    };
    skipBlanks();
    while (i < size) {
        const char c = raw[i];
        if (c == '\\') {
            ++i;
            if (i >= size) {
                break;
            }
            const char e = raw[i++];
            // A named control character, or a character that stands for itself.
            bool named = false;
            for (const auto& [code, letter] : kNamedEscapes) {
                if (e == letter) {
                    result += QLatin1Char(code);
                    named = true;
                }
            }
            if (!named && QByteArrayView("\"?'\\").contains(e)) {
                result += QLatin1Char(e);
                named = true;
            }
            if (!named && ((e == 'x' && i < size && isHexDigit(static_cast<uchar>(raw[i]))) ||
                           (e >= '0' && e <= '7'))) {
                const bool hex = e == 'x';
                uint code = hex ? 0 : static_cast<uint>(e - '0');
                while (i < size && (hex ? isHexDigit(static_cast<uchar>(raw[i]))
                                        : (raw[i] >= '0' && raw[i] <= '7'))) {
                    code = code * (hex ? 16 : 8) + digitValue(raw[i]);
                    ++i;
                }
                result += QChar(static_cast<char16_t>(code));
            } else if (!named && (e == '\n' || e == '\r')) {
                // A line end carried on: "\r\n" and "\n\r" count as one.
                if (i < size && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) {
                    ++i;
                }
            }
            keep = result.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
            }
        } else if (c == ',' && !inQuotes) {
            cutTrailingBlanks();
            list = true;
            result.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < size && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') {
                ++j;
            }
            result += QString(decoder(QByteArrayView(raw).sliced(i, j - i)));
            i = j;
        }
    }
    cutTrailingBlanks();
    if (list) {
        return QString(); // a list is no single text
    }
    // QSettings' typed forms.
    if (result.startsWith(QLatin1String("@@"))) {
        return result.mid(1);
    }
    if (result.startsWith(u'@') && result.endsWith(u')')) {
        for (const QLatin1String text : {QLatin1String("@String("), QLatin1String("@ByteArray(")}) {
            if (result.startsWith(text)) {
                return result.mid(text.size(), result.size() - text.size() - 1);
            }
        }
        if (result == QLatin1String("@Invalid()")) {
            return std::nullopt;
        }
        return QString();
    }
    return result;
}

} // namespace tavrin
