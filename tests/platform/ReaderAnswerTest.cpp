// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "ReaderAnswer.h"
#include "HandWrittenAnswer.h"

#include <QDataStream>
#include <QIODevice>
#include <functional>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

constexpr quint32 kMagic = test::kAnswerMagic;
constexpr qint32 kOk = 0;

JetReadResult goodResult() {
    JetReadResult result;
    result.table.fields = {"A", "Da", "D-05k"};
    result.table.rows = {{"10A", "17.8", "75"}, {"15A", "", "ｴﾙﾎﾞ･ﾁｰ"}};
    return result;
}

TEST(ReaderAnswer, CarriesATableAndAnErrorBothWays) {
    JetReadResult back;
    ASSERT_TRUE(ReaderAnswer::decode(ReaderAnswer::encode(goodResult()), back));
    EXPECT_EQ(back.table.fields, goodResult().table.fields);
    EXPECT_EQ(back.table.rows, goodResult().table.rows);

    JetReadResult error;
    error.error = JetReadError::NoTable;
    error.message = QStringLiteral("テーブルがありません");
    ASSERT_TRUE(ReaderAnswer::decode(ReaderAnswer::encode(error), back));
    EXPECT_EQ(back.error, JetReadError::NoTable);
    EXPECT_TRUE(back.table.fields.empty());
}

// Every answer cut short is refused, and leaves nothing behind.
TEST(ReaderAnswer, RefusesEveryCutAnswer) {
    const QByteArray whole = ReaderAnswer::encode(goodResult());
    for (qsizetype length = 0; length < whole.size(); ++length) {
        JetReadResult back = goodResult();
        EXPECT_FALSE(ReaderAnswer::decode(whole.left(length), back)) << length;
        EXPECT_TRUE(back.table.fields.empty() && back.table.rows.empty()) << length;
    }
}

struct Lie {
    const char* name;
    std::function<void(QDataStream&)> write;
};

class ReaderAnswerLie : public ::testing::TestWithParam<Lie> {};

// Each is refused at once, without allocating for what it announces.
TEST_P(ReaderAnswerLie, IsRefused) {
    JetReadResult back;
    EXPECT_FALSE(ReaderAnswer::decode(test::handWrittenAnswer(GetParam().write), back));
    EXPECT_TRUE(back.table.rows.empty());
}

void header(QDataStream& out, quint32 fields) {
    out << kMagic << kOk << QString() << fields;
    for (quint32 f = 0; f < fields; ++f) {
        out << QStringLiteral("F%1").arg(f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReaderAnswerLie,
    ::testing::Values(
        Lie{"all_the_rows_there_are",
            [](QDataStream& out) {
                header(out, 2);
                out << quint32(0xFFFFFFFF) << QString("x") << QString("y");
            }},
        Lie{"all_the_rows_there_are_of_no_field",
            [](QDataStream& out) {
                header(out, 0);
                out << quint32(0xFFFFFFFF);
            }},
        Lie{"all_the_fields_there_are",
            [](QDataStream& out) { out << kMagic << kOk << QString() << quint32(0xFFFFFFFF); }},
        Lie{"a_text_longer_than_the_answer",
            [](QDataStream& out) {
                header(out, 1);
                out << quint32(1) << quint32(0xFFFFFFF0);
            }},
        Lie{"no_fields",
            [](QDataStream& out) {
                header(out, 0);
                out << quint32(0);
            }},
        Lie{"no_rows",
            [](QDataStream& out) {
                header(out, 1);
                out << quint32(0);
            }},
        Lie{"an_error_with_a_table",
            [](QDataStream& out) {
                out << kMagic << qint32(JetReadError::Corrupt) << QString() << quint32(1)
                    << QString("A") << quint32(1) << QString("x");
            }},
        Lie{"an_error_unknown",
            [](QDataStream& out) {
                out << kMagic << qint32(1000) << QString() << quint32(0) << quint32(0);
            }},
        Lie{"another_format",
            [](QDataStream& out) { out << quint32(0x12345678) << kOk << QString() << quint32(0); }},
        Lie{"more_after_the_end",
            [](QDataStream& out) {
                header(out, 1);
                out << quint32(1) << QString("x") << QString("extra");
            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReaderAnswer, RefusesMoreThanItsBounds) {
    // Longer than any answer may be, though whole and consistent.
    JetReadResult big;
    big.table.fields = {"A"};
    big.table.rows = {{QString(ReaderAnswer::kMaxBytes / 2, u'x')}};
    JetReadResult back;
    EXPECT_FALSE(ReaderAnswer::decode(ReaderAnswer::encode(big), back));

    // More values than a table may have, each one as short as a value can be.
    const QByteArray many = test::handWrittenAnswer([](QDataStream& out) {
        header(out, 1);
        out << quint32(ReaderAnswer::kMaxCells + 1);
        for (qint64 r = 0; r <= ReaderAnswer::kMaxCells; ++r) {
            out << QString();
        }
    });
    ASSERT_LT(many.size(), ReaderAnswer::kMaxBytes);
    EXPECT_FALSE(ReaderAnswer::decode(many, back));
}

} // namespace
} // namespace tavrin
