#include "WindowPositionMemory.h"

#include "SettingsStore.h"

#include <QLocale>

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
    bool ok = false;
    const float value = QLocale().toFloat(text.trimmed(), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

float WindowPositionMemory::restore(const QString& key, float current) const {
    const QString text = store_.read(kApplication, kSection, key, toText(current));
    return fromText(text).value_or(current);
}

bool WindowPositionMemory::save(float left, float top) {
    const bool leftSaved = store_.write(kApplication, kSection, kLeftKey, toText(left));
    const bool topSaved = store_.write(kApplication, kSection, kTopKey, toText(top));
    return leftSaved && topSaved;
}

} // namespace tavrin
