// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "WindowPositionMemory.h"

#include "SettingsStore.h"

#include <QLocale>
#include <QtDebug>
#include <algorithm>
#include <cmath>

namespace tavrin {

const QString WindowPositionMemory::kApplication = QStringLiteral("Tavrin");
const QString WindowPositionMemory::kSection = QStringLiteral("Form1_StrtUp");
const QString WindowPositionMemory::kLeftKey = QStringLiteral("X1");
const QString WindowPositionMemory::kTopKey = QStringLiteral("Y1");

namespace {

// How much of a stored text a warning quotes.
constexpr qsizetype kQuotedCharacters = 40;

// The start of a stored text, on one line, for a warning.
QString quoted(const QString& text) {
    QString start = text.left(kQuotedCharacters);
    for (QChar& c : start) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return text.size() > kQuotedCharacters
               ? QStringLiteral("%1\u2026 (%2 characters)").arg(start).arg(text.size())
               : start;
}

} // namespace

WindowPositionMemory::WindowPositionMemory(SettingsStore& store) : store_(store) {}

QString WindowPositionMemory::toText(float value) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(value, 'g', 7);
}

std::optional<float> WindowPositionMemory::fromText(const QString& text) {
    const QString trimmed = text.trimmed();
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    float value = c.toFloat(trimmed, &ok);
    if (!ok) {
        const std::optional<float> whole = fromLocaleDigits(trimmed);
        ok = whole.has_value();
        value = whole.value_or(0);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> WindowPositionMemory::fromLocaleDigits(const QString& text) {
    // Marks of writing direction that a right-to-left locale puts around its
    // minus sign, and the minus signs locales write.
    static const QString kMarks = QStringLiteral("\u200E\u200F\u061C");
    static const QString kMinus = QStringLiteral("-\u2212");
    QString rest;
    for (const QChar c : text) {
        if (!kMarks.contains(c)) {
            rest += c;
        }
    }
    const bool negative = !rest.isEmpty() && kMinus.contains(rest.front());
    if (negative) {
        rest.remove(0, 1);
    }
    if (rest.isEmpty() || rest.size() > 9) {
        return std::nullopt;
    }
    // One set of digits: the ten code points from the zero of the first.
    const char16_t zero = static_cast<char16_t>(rest.front().unicode() - rest.front().digitValue());
    long whole = 0;
    for (const QChar c : rest) {
        if (c.category() != QChar::Number_DecimalDigit || c.unicode() < zero ||
            c.unicode() > zero + 9) {
            return std::nullopt;
        }
        whole = whole * 10 + (c.unicode() - zero);
    }
    return static_cast<float>(negative ? -whole : whole);
}

float WindowPositionMemory::restore(const QString& key, float current) const {
    const QString text = store_.read(kApplication, kSection, key, toText(current));
    const std::optional<float> value = fromText(text);
    if (!value) {
        qWarning().noquote() << QStringLiteral("tavrin: the stored window position %1/%2 \"%3\" "
                                               "is not a number; it is ignored")
                                    .arg(kSection, key, quoted(text));
        return current;
    }
    return *value;
}

void WindowPositionMemory::save(float left, float top) {
    if (!store_.writeAll(kApplication, kSection,
                         {{kLeftKey, toText(left)}, {kTopKey, toText(top)}})) {
        throw SaveFailed(QStringLiteral("ウィンドウの位置を保存できませんでした。"
                                        "書き込まれなかったキー: %1/%2, %1/%3")
                             .arg(kSection, kLeftKey, kTopKey));
    }
}

WindowPositionMemory::SaveFailed::SaveFailed(const QString& text)
    : std::runtime_error(text.toStdString()) {}

bool WindowPositionMemory::reachable(const QRectF& captionBar, const QList<QRect>& screens) {
    const double width = std::min(kGrabWidth, captionBar.width());
    for (const QRect& screen : screens) {
        const QRectF onScreen = QRectF(screen).intersected(captionBar);
        if (!onScreen.isEmpty() && onScreen.width() >= width &&
            onScreen.height() >= captionBar.height() / 2) {
            return true;
        }
    }
    return false;
}

} // namespace tavrin
