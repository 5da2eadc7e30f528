// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "IniText.h"

#include <QFile>

namespace tavrin {

IniText::IniText(const QByteArray& bytes) : path_(folder_.filePath(QStringLiteral("text.ini"))) {
    QFile copy(path_);
    copied_ = folder_.isValid() && copy.open(QIODevice::WriteOnly) &&
              copy.write(bytes) == bytes.size() && copy.flush();
    copy.close();
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    // QSettings parses on first use, and only then knows its status.
    settings_->allKeys();
}

bool IniText::readable() const {
    return copied_ && settings_->status() == QSettings::NoError;
}

QVariant IniText::value(const QString& path) const {
    return settings_->value(path);
}

void IniText::setValue(const QString& path, const QString& text) {
    settings_->setValue(path, text);
}

std::optional<QByteArray> IniText::bytes() {
    settings_->sync();
    if (!readable()) {
        return std::nullopt;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace tavrin
