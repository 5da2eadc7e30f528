// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "QSettingsStore.h"

#include "IniText.h"
#include "UserConfigFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QThread>
#include <QtDebug>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {
namespace {

// How often a waiting write tries the lock again: short, as a writer holds
// it for a few milliseconds only.
constexpr std::chrono::milliseconds kLockRetry{5};

void warn(const QString& text) {
    qWarning().noquote() << QStringLiteral("tavrin: %1").arg(text);
}

// The file's bytes; empty for a file that does not exist, nothing (with the
// reason in `error`) for one that cannot or must not be read. Only a regular
// file of at most QSettingsStore::kMaxFileBytes is read: it is opened without
// blocking (a FIFO would wait for a writer) and checked once open, so that
// what is read is what was checked, and at most one byte past the bound is
// ever read (a device such as /dev/zero never ends).
std::optional<QByteArray> fileBytes(const QString& path, QString& error) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) {
            return QByteArray();
        }
        error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    const auto closeLater = qScopeGuard([fd] { ::close(fd); });
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = QStringLiteral("it is not a regular file");
        return std::nullopt;
    }
    const auto tooLarge = [&error] {
        error = QStringLiteral("it is larger than the %1 bytes a settings file of this program "
                               "may hold")
                    .arg(QSettingsStore::kMaxFileBytes);
        return std::nullopt;
    };
    if (info.st_size > QSettingsStore::kMaxFileBytes) {
        return tooLarge();
    }
    QByteArray bytes(QSettingsStore::kMaxFileBytes + 1, Qt::Uninitialized);
    qsizetype length = 0;
    while (length < bytes.size()) {
        const ssize_t count =
            ::read(fd, bytes.data() + length, static_cast<std::size_t>(bytes.size() - length));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            error = QString::fromLocal8Bit(std::strerror(errno));
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        length += count;
    }
    if (length > QSettingsStore::kMaxFileBytes) {
        return tooLarge(); // it grew after it was looked at
    }
    bytes.truncate(length);
    return bytes;
}

// Takes `lock`, trying until `wait` has passed.
bool takeLock(QLockFile& lock, std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (lock.tryLock(0)) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::min<qint64>(kLockRetry.count(), std::max<qint64>(1, deadline.remainingTime()))));
    }
}

} // namespace

QSettingsStore::QSettingsStore(QString organization)
    : QSettingsStore(std::move(organization), UserConfigFolder::find()) {}

QSettingsStore::QSettingsStore(QString organization, QString configFolder,
                               std::chrono::milliseconds lockWait)
    : organization_(std::move(organization)), configFolder_(std::move(configFolder)),
      lockWait_(lockWait) {}

QString QSettingsStore::fileName(const QString& application) const {
    if (configFolder_.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1/%2/%3.ini").arg(configFolder_, organization_, application);
}

void QSettingsStore::warnOnce(const QString& about, const QString& text) const {
    if (!warned_.contains(about)) {
        warned_.insert(about);
        warn(text);
    }
}

QString QSettingsStore::read(const QString& application, const QString& section, const QString& key,
                             const QString& defaultText) const {
    const QString path = fileName(application);
    if (path.isEmpty()) {
        warnOnce(QString(), QStringLiteral("there is no home folder to keep settings in; "
                                           "the window position is not remembered"));
        return defaultText;
    }
    QString error;
    const std::optional<QByteArray> bytes = fileBytes(path, error);
    if (!bytes) {
        warnOnce(path,
                 QStringLiteral("cannot read %1 (%2); its settings are not used").arg(path, error));
        return defaultText;
    }
    const IniText text(*bytes);
    if (!text.readable()) {
        warnOnce(path, QStringLiteral("cannot read %1: it is not a settings file that can be "
                                      "parsed; its settings are not used")
                           .arg(path));
        return defaultText;
    }
    // A value that is not a single text (a list written by hand) reads as the
    // empty text.
    return text.value(section, key).value_or(defaultText);
}

bool QSettingsStore::writeAll(const QString& application, const QString& section,
                              const SettingsEntries& entries) {
    const QString path = fileName(application);
    if (path.isEmpty()) {
        warnOnce(QString(), QStringLiteral("there is no home folder to keep settings in; "
                                           "the window position is not remembered"));
        return true;
    }
    const auto fail = [&](const QString& reason) {
        warn(QStringLiteral("cannot write %1 (%2)").arg(path, reason));
        return false;
    };
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return fail(QStringLiteral("cannot make its folder"));
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!takeLock(lock, lockWait_)) {
        return fail(QStringLiteral("its lock file %1.lock was not free within %2 ms")
                        .arg(path)
                        .arg(lockWait_.count()));
    }
    QString error;
    const std::optional<QByteArray> before = fileBytes(path, error);
    if (!before) {
        return fail(error + QStringLiteral("; it is left as it is"));
    }
    IniText text(*before);
    if (!text.readable()) {
        return fail(QStringLiteral("it is not a settings file that can be parsed; it is left "
                                   "as it is"));
    }
    for (const auto& [key, value] : entries) {
        text.setValue(section, key, value);
    }
    const QByteArray after = text.bytes();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(after) != after.size() || !file.commit()) {
        return fail(file.errorString());
    }
    return true;
}

} // namespace tavrin
