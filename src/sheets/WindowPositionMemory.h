#pragma once

#include <QString>
#include <optional>

namespace tavrin {

class SettingsStore;

// The main window's remembered position: its Left and Top in twips, kept as
// the locale's decimal text of single-precision numbers under
// "Tavrin" / "Form1_StrtUp" / "X1" and "Y1".
class WindowPositionMemory {
public:
    static const QString kApplication;
    static const QString kSection;
    static const QString kLeftKey;
    static const QString kTopKey;

    explicit WindowPositionMemory(SettingsStore& store);

    // The stored value of `key`, or `current` where none is stored or the
    // stored text is not a number.
    float restore(const QString& key, float current) const;
    // Writes both values; false when the store could not take them.
    bool save(float left, float top);

    // The locale's text of a single-precision number, and back.
    static QString toText(float value);
    static std::optional<float> fromText(const QString& text);

private:
    SettingsStore& store_;
};

} // namespace tavrin
