// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CommandLine.h"

#include "QSettingsStore.h"
#include "WindowPositionMemory.h"

#include <QCommandLineParser>

#include <cstdio>

namespace tavrin {

namespace {

constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

QString helpText(const QString& settingsFile) {
    return QString::fromUtf8(
               "使い方: tavrin [オプション]\n"
               "JIS B 2220・B 2210 のフランジと JIS B 2313 の管継手の寸法を表示します。\n"
               "\n"
               "データファイル: 作業フォルダーの tavrin.mdb（テーブル Kelvor）\n"
               "設定ファイル: %1\n"
               "\n"
               "オプション:\n"
               "  -h, --help     使い方を表示して終了します\n"
               "  -v, --version  バージョンを表示して終了します\n")
        .arg(settingsFile);
}

QString refusal(const QString& what) {
    return QString::fromUtf8("tavrin: %1\n"
                             "使い方は tavrin --help で表示します。\n")
        .arg(what);
}

void print(const QString& text, std::FILE* stream) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

std::optional<CommandLine::Answer> CommandLine::answer(const QStringList& arguments,
                                                       const QString& settingsFile) {
    if (arguments.size() <= 1) {
        return std::nullopt;
    }
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            return Answer{kUsageError, {}, refusal(parser.errorText())};
        }
        const QString& name = unknown.constFirst();
        const QString option =
            (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        return Answer{
            kUsageError, {}, refusal(QString::fromUtf8("知らないオプションです: %1").arg(option))};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Answer{kUsageError,
                      {},
                      refusal(QString::fromUtf8("引数は取りません: %1")
                                  .arg(parser.positionalArguments().constFirst()))};
    }
    if (parser.isSet(help)) {
        return Answer{0, helpText(settingsFile), {}};
    }
    return Answer{0, QStringLiteral("tavrin " TAVRIN_VERSION "\n"), {}};
}

std::optional<CommandLine::Answer> CommandLine::withoutDisplay(const QString& platform,
                                                               const QString& display,
                                                               const QString& waylandDisplay) {
    // Qt takes the first name of the list that starts; a name may carry
    // options after a colon. A list that names a platform without a display
    // (offscreen, vnc and the like) can start anywhere.
    for (const QString& entry : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland"))) {
            return std::nullopt;
        }
    }
    if (!display.isEmpty() || !waylandDisplay.isEmpty()) {
        return std::nullopt;
    }
    return Answer{kNoDisplay,
                  {},
                  QString::fromUtf8("tavrin: デスクトップのセッションの中で起動してください"
                                    "（DISPLAY も WAYLAND_DISPLAY も設定されていません）。\n")};
}

std::optional<int> CommandLine::handle(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto result =
        argc <= 1
            ? withoutDisplay(qEnvironmentVariable("QT_QPA_PLATFORM"),
                             qEnvironmentVariable("DISPLAY"),
                             qEnvironmentVariable("WAYLAND_DISPLAY"))
            : answer(arguments, QSettingsStore().fileName(WindowPositionMemory::kApplication));
    if (!result) {
        return std::nullopt;
    }
    print(result->standardOutput, stdout);
    print(result->standardError, stderr);
    return result->exitCode;
}

} // namespace tavrin
