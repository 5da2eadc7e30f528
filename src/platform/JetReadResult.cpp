#include "JetReadResult.h"

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
    }
    return {};
}

} // namespace tavrin
