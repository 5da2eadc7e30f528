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
// the decimal text of single-precision numbers under
// "Tavrin" / "Form1_StrtUp" / "X1" and "Y1". The text is data, not text for
// a reader: ASCII digits and '.', whatever the user's locale, so that it
// reads the same after the locale changed.
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

    // The text of a single-precision number: ASCII digits, '.' as the
    // decimal separator, no group separators, a leading '-'.
    static QString toText(float value);
    // The number in such a text; or a whole number in another set of decimal
    // digits (an earlier version wrote the locale's digits, as ٥٢٥٠ for
    // 5250), with a minus sign of any locale. Nothing for any other text (a
    // fraction or group separators of another locale, digits of two sets, the
    // empty text), or one that is not a finite single-precision number.
    static std::optional<float> fromText(const QString& text);

    // How wide a part of the caption bar must lie on one screen for the user
    // to grab it, in pixels (all of it, where it is narrower).
    static constexpr double kGrabWidth = 40;
    // Whether enough of a window's caption bar, in pixels on the virtual
    // desktop, lies on one of the screens for the user to grab it there:
    // kGrabWidth of its width and at least half of its height (a window
    // dragged partly off the top edge keeps most of its caption). A restored
    // position where it does not (a monitor since removed, a window dragged
    // almost off the screen) leaves the window out of the user's reach.
    static bool reachable(const QRectF& captionBar, const QList<QRect>& screens);

private:
    static std::optional<float> fromLocaleDigits(const QString& text);

    SettingsStore& store_;
};

} // namespace tavrin
