#include "QSettingsStore.h"

#include <QSettings>
#include <QtDebug>

namespace tavrin {
namespace {

QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

const char* statusName(QSettings::Status status) {
    switch (status) {
    case QSettings::NoError:
        return "no error";
    case QSettings::AccessError:
        return "access error";
    case QSettings::FormatError:
        return "format error";
    }
    return "unknown error";
}

} // namespace

QSettingsStore::QSettingsStore(QString organization) : organization_(std::move(organization)) {}

QString QSettingsStore::read(const QString& application, const QString& section, const QString& key,
                             const QString& defaultText) const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_,
                             application);
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid()) {
        return defaultText;
    }
    // A value that is not a single text (a list written by hand) reads as the
    // empty text.
    return value.toString();
}

bool QSettingsStore::writeAll(const QString& application, const QString& section,
                              const SettingsEntries& entries) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, application);
    for (const auto& [key, text] : entries) {
        settings.setValue(keyPath(section, key), text);
    }
    // One sync for all of them: one replacement of the file.
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qWarning().noquote() << QStringLiteral("tavrin: cannot write %1 (%2)")
                                    .arg(settings.fileName(),
                                         QLatin1String(statusName(settings.status())));
        return false;
    }
    return true;
}

QString QSettingsStore::fileName(const QString& application) const {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, organization_, application)
        .fileName();
}

} // namespace tavrin
