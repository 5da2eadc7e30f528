// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "WindowPositionMemory.h"

#include "SettingsStore.h"

#include <QLocale>
#include <QtDebug>
#include <cmath>

namespace tavrin {

const QString WindowPositionMemory::kApplication = QStringLiteral("Tavrin");
const QString WindowPositionMemory::kSection = QStringLiteral("Form1_StrtUp");
const QString WindowPositionMemory::kLeftKey = QStringLiteral("X1");
const QString WindowPositionMemory::kTopKey = QStringLiteral("Y1");

WindowPositionMemory::WindowPositionMemory(SettingsStore& store) : store_(store) {}

QString WindowPositionMemory::toText(float value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 7);
}

std::optional<float> WindowPositionMemory::fromText(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    float value = QLocale().toFloat(trimmed, &ok);
    if (!ok) {
        value = QLocale::c().toFloat(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

float WindowPositionMemory::restore(const QString& key, float current) const {
    const QString text = store_.read(kApplication, kSection, key, toText(current));
    const std::optional<float> value = fromText(text);
    if (!value) {
        qWarning().noquote() << QStringLiteral("tavrin: the stored window position %1/%2 \"%3\" "
                                               "is not a number; it is ignored")
                                    .arg(kSection, key, text);
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
    for (const QRect& screen : screens) {
        if (QRectF(screen).intersects(captionBar)) {
            return true;
        }
    }
    return false;
}

} // namespace tavrin
