// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <optional>
#include <stdexcept>

namespace tavrin {

class SettingsStore;

// The main window's remembered position: its Left and Top in twips, kept as
// the locale's decimal text of single-precision numbers under
// "Tavrin" / "Form1_StrtUp" / "X1" and "Y1".
//
// A stored text that is not a number is ignored with a warning on standard
// error (the next save replaces it); a save that the store refuses is an
// error of the handler that saves.
class WindowPositionMemory {
public:
    static const QString kApplication;
    static const QString kSection;
    static const QString kLeftKey;
    static const QString kTopKey;

    explicit WindowPositionMemory(SettingsStore& store);

    // The stored value of `key`, or `current` where none is stored or the
    // stored text is not a finite number (then with a warning).
    float restore(const QString& key, float current) const;
    // The store refused a save; the text names the keys not written.
    class SaveFailed : public std::runtime_error {
    public:
        explicit SaveFailed(const QString& text);
    };

    // Writes Left under "X1" and Top under "Y1" in one write of the store, so
    // that when several copies of the program close at once the store holds
    // both keys of one of them, never X1 of one and Y1 of another. Throws
    // SaveFailed, naming both keys, when the store refused the write; it then
    // keeps both of its earlier keys.
    void save(float left, float top);

    // The locale's text of a single-precision number: the locale's decimal
    // separator, no group separators, a leading minus.
    static QString toText(float value);
    // The number in a text written in the user's locale (or, failing that, in
    // the C locale, as another locale may have written it); nothing for a text
    // that is not a finite single-precision number, the empty text included.
    static std::optional<float> fromText(const QString& text);

    // Whether any part of a window's caption bar, in pixels on the virtual
    // desktop, lies on one of the screens; a restored position where it does
    // not (a monitor since removed) leaves the window out of the user's reach.
    static bool reachable(const QRectF& captionBar, const QList<QRect>& screens);

private:
    SettingsStore& store_;
};

} // namespace tavrin
