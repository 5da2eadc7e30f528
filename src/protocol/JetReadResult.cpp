// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetReadResult.h"

#include "ReaderAnswer.h"

namespace tavrin {

QString JetReadResult::messageFor(JetReadError error, const QString& path,
                                  const QString& tableName) {
    const QString file = QStringLiteral("データファイル「%1」").arg(path);
    switch (error) {
    case JetReadError::None:
        return {};
    case JetReadError::Missing:
        return file + QStringLiteral("が見つかりません。");
    case JetReadError::NotAFile:
        return file + QStringLiteral("はファイルではありません。");
    case JetReadError::NoReader:
    case JetReadError::Unreadable:
        return file + QStringLiteral("を読み込めません。");
    case JetReadError::Empty:
        return file + QStringLiteral("は空です。");
    case JetReadError::Truncated:
        return file + QStringLiteral("は途中で切れています。");
    case JetReadError::NotJet:
        return file + QStringLiteral("は Access (Jet) のデータベースではありません。");
    case JetReadError::Corrupt:
        return file + QStringLiteral("は壊れていて読み込めません。");
    case JetReadError::NoTable:
        return file + QStringLiteral("にテーブル「%1」がありません。").arg(tableName);
    case JetReadError::NoRows:
        return file + QStringLiteral("のテーブル「%1」にデータがありません。").arg(tableName);
    case JetReadError::TooLarge:
        return file + QStringLiteral("のテーブル「%1」は大きすぎて表示できません（値は %2 万個、"
                                     "テキストは %3 MB まで）。")
                          .arg(tableName)
                          .arg(ReaderAnswer::kMaxCells / 10'000)
                          .arg(ReaderAnswer::kMaxBytes / (1024 * 1024));
    }
    return {};
}

JetReadResult JetReadResult::readerMissing(const QStringList& places) {
    QStringList quoted;
    for (const QString& place : places) {
        quoted << QStringLiteral("「%1」").arg(place);
    }
    JetReadResult result;
    result.error = JetReadError::NoReader;
    // 「a」が…, or 「a」も「b」も…
    result.message = QStringLiteral("読み込みプログラム") + quoted.join(QStringLiteral("も")) +
                     (places.size() > 1 ? QStringLiteral("も") : QStringLiteral("が")) +
                     QStringLiteral("見つからないため、データを表示できません。");
    return result;
}

QString JetReadResult::missingFieldsMessage(const QString& path, const QString& tableName,
                                            int missing, int bound, const QStringList& firstNames) {
    const QString table =
        QStringLiteral("データファイル「%1」のテーブル「%2」").arg(path, tableName);
    if (missing == bound) {
        return table + QStringLiteral(
                           "は寸法表ではありません。表示する %1 のフィールドが一つもありません。")
                           .arg(bound);
    }
    QString names = firstNames.join(QStringLiteral("、"));
    if (firstNames.size() < missing) {
        names += QStringLiteral(" ほか");
    }
    return table + QStringLiteral("には、表示する %1 のフィールドのうち %2 個がありません（%3）。")
                       .arg(bound)
                       .arg(missing)
                       .arg(names);
}

} // namespace tavrin
