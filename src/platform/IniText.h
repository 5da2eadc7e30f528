// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <optional>

namespace tavrin {

// The text of an INI settings file, read and written by QSettings itself so
// that the format stays exactly QSettings' own, but on a private copy: the
// real file is read once and written by its owner, and QSettings' own lock
// on it (which waits without bound for a lock it cannot take) never comes
// into play.
class IniText {
public:
    // The text `bytes`, an empty text for a file that does not exist.
    explicit IniText(const QByteArray& bytes);

    // Whether QSettings could read all of the text; one it cannot parse holds
    // nothing that can be trusted.
    bool readable() const;
    // The value at "section/key"; an invalid variant where there is none.
    QVariant value(const QString& path) const;
    void setValue(const QString& path, const QString& text);
    // The whole text as QSettings writes it; nothing when it could not.
    std::optional<QByteArray> bytes();

private:
    QTemporaryDir folder_;
    QString path_;
    std::unique_ptr<QSettings> settings_;
    bool copied_ = false;
};

} // namespace tavrin
