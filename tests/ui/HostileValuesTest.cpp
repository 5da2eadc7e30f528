// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Values no dimension table should hold, in the value boxes of the main
// window: each shows as plain text on one line, cut at its box's edges, and
// nothing else on the window moves or changes a pixel.

#include "Form1Harness.h"
#include "JetFixture.h"
#include "SheetDefinitions.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace tavrin {
namespace {

QString s(const char16_t* text) {
    return QString::fromUtf16(text);
}

QString repeated(const QString& part, int times) {
    QString text;
    for (int i = 0; i < times; ++i) {
        text += part;
    }
    return text;
}

// Every control character that is not a line break or a tab: C0, DEL and C1.
QString controlCharacters() {
    QString text;
    for (char16_t c = 0x01; c <= 0x9F; ++c) {
        const bool control = c < 0x20 || c >= 0x7F;
        const bool lineBreak = (c >= 0x0A && c <= 0x0D) || c == 0x85;
        if (control && !lineBreak && c != u'\t') {
            text += QChar(c);
        }
    }
    return text;
}

struct HostileValue {
    const char* name;
    QString value;
    std::optional<QString> shown; // when the box shows other than the value
};

// A one-line box shows a line break as one space (CR LF is one break).
const std::vector<HostileValue>& hostileValues() {
    static const std::vector<HostileValue> values{
        {"Empty", {}, {}},
        {"LineFeed", s(u"12\n34"), s(u"12 34")},
        {"CarriageReturnLineFeed", s(u"12\r\n34"), s(u"12 34")},
        {"CarriageReturn", s(u"12\r34"), s(u"12 34")},
        {"LineFeedCarriageReturn", s(u"12\n\r34"), s(u"12  34")},
        {"LineSeparator", s(u"12\u202834"), s(u"12 34")},
        {"ParagraphSeparator", s(u"12\u202934"), s(u"12 34")},
        {"NextLine", s(u"12\u008534"), s(u"12 34")},
        {"VerticalTabAndFormFeed", s(u"12\v34\f56"), s(u"12 34 56")},
        {"OnlyLineBreaks", s(u"\r\n\n\u2028"), s(u"   ")},
        {"LineBreaksEverywhere", repeated(s(u"8\n"), 120), repeated(s(u"8 "), 120)},
        {"Tab", s(u"12\t34"), {}},
        {"ControlCharacters", controlCharacters(), {}},
        {"RightToLeftMark", s(u"\u200F12.5"), {}},
        {"RightToLeftOverride", s(u"\u202E12.5"), {}},
        {"UnclosedOverrideAndEmbedding", s(u"\u202B\u202E\u2067<b>12.5"), {}},
        {"BoldMarkup", s(u"<b>x</b>"), {}},
        {"ImageMarkup", s(u"<img src=\":/drawings/sheet0.png\">"), {}},
        {"Entity", s(u"&amp;"), {}},
        {"Link", s(u"<a href=\"https://example.org/\">x</a>"), {}},
        {"StyledDocument", s(u"<html><body style=\"font-size:72pt\">x</body></html>"), {}},
        {"Mnemonic", s(u"&x"), {}},
        {"PrivateUse", s(u"\uE000\uE001\uF8FF"), {}},
        {"Unassigned", s(u"\u0378\u0379\u2FFF\uFDD0"), {}},
        {"WideLigature", s(u"\uFDFD\uFDFD"), {}},
        {"StackedCombiningMarks", s(u"8") + repeated(s(u"\u0301\u0316"), 60), {}},
        {"LongestTextField", repeated(s(u"8"), 255), {}},
        {"LongestTextFieldInKanji", repeated(s(u"呼径"), 127), {}},
    };
    return values;
}

const QString kPlainValue = QStringLiteral("123");

// A box of each kind on sheet 0: a wide and a narrow box on the drawing, with
// neighbours close by, and a size box of the tab control.
const struct {
    const char* field;
    const char* box;
} kTargets[] = {{"Ha-05k", "Label15"}, {"C-05k", "Label5"}, {"A", "Label1(0)"}};

bool isTarget(const std::string& field) {
    for (const auto& target : kTargets) {
        if (field == target.field) {
            return true;
        }
    }
    return false;
}

// Row 0 holds the plain value in every field; row i + 1 holds value i in the
// target fields and the plain value elsewhere.
JetTable hostileTable(const std::vector<QString>& values) {
    const std::vector<std::string>& fields = dimensionFields();
    std::vector<std::vector<test::Cell>> rows(
        values.size() + 1, std::vector<test::Cell>(fields.size(), kPlainValue.toStdString()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (isTarget(fields[f])) {
                rows[i + 1][f] = values[i].toStdString();
            }
        }
    }
    return test::textTable(fields, rows);
}

struct PixelDifference {
    int count = 0;
    QPoint first;
};

// Pixels that differ between two shots of one size, leaving out `skipped`.
PixelDifference differenceOutside(const QImage& a, const QImage& b,
                                  const std::vector<QRect>& skipped) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    PixelDifference difference;
    for (int y = 0; y < first.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const QPoint p(x, y);
            if (lineA[x] != lineB[x] &&
                std::none_of(skipped.begin(), skipped.end(),
                             [&](const QRect& r) { return r.contains(p); }) &&
                difference.count++ == 0) {
                difference.first = p;
            }
        }
    }
    return difference;
}

class HostileValuesTest : public ::testing::Test {
protected:
    Form1& start(const std::vector<QString>& values) {
        test::writeFixture(dir.filePath("tavrin.mdb"), JetVersion::Jet4, hostileTable(values));
        Form1& form = harness.start();
        EXPECT_TRUE(harness.messages.dataErrors.isEmpty())
            << harness.messages.dataErrors.join("").toStdString();
        baseShot = shot();
        baseGeometry = geometry();
        return form;
    }

    QImage shot() const { return harness.form->grab().toImage(); }

    // The window's size and every control's place.
    std::vector<QRect> geometry() const {
        std::vector<QRect> rects{harness.form->frameGeometry(), harness.form->geometry()};
        for (const QWidget* widget : harness.form->findChildren<QWidget*>()) {
            rects.push_back(widget->geometry());
        }
        return rects;
    }

    // The target boxes' insides, inside their frames, in window pixels.
    std::vector<QRect> targetInsides() const {
        std::vector<QRect> rects;
        for (const auto& target : kTargets) {
            const QLabel* box = harness.label(target.box);
            rects.push_back(
                box->contentsRect().translated(box->mapTo(harness.form.get(), QPoint())));
        }
        return rects;
    }

    // The window as it was on row 0, but for the target boxes' insides;
    // the boxes showing `shown` as plain text.
    void expectOnlyTheTargetsChanged(const QString& shown) {
        for (const auto& target : kTargets) {
            SCOPED_TRACE(target.box);
            const QLabel* box = harness.label(target.box);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->text(), shown);
            EXPECT_FALSE(box->wordWrap());
        }
        EXPECT_EQ(geometry(), baseGeometry);
        const QImage now = shot();
        ASSERT_EQ(now.size(), baseShot.size());
        const PixelDifference outside = differenceOutside(baseShot, now, targetInsides());
        EXPECT_EQ(outside.count, 0) << "first at " << outside.first.x() << "," << outside.first.y();
        // The shot is of the new value.
        EXPECT_EQ(differenceOutside(baseShot, now, {}).count > 0, shown != kPlainValue);
    }

    QTemporaryDir dir;
    test::Form1Harness harness{dir.path()};
    QImage baseShot;
    std::vector<QRect> baseGeometry;
};

TEST_F(HostileValuesTest, EachShowsAsPlainTextOnOneLineInsideItsBox) {
    std::vector<QString> values;
    for (const HostileValue& hostile : hostileValues()) {
        values.push_back(hostile.value);
    }
    Form1& form = start(values);
    ASSERT_EQ(form.Data1()->rowCount(), int(values.size()) + 1);
    for (const HostileValue& hostile : hostileValues()) {
        SCOPED_TRACE(hostile.name);
        form.Data1()->moveNext();
        // The file gives the value back as it was written.
        const int column = form.Data1()->table().fieldIndex(QStringLiteral("A"));
        const auto& row = form.Data1()->table().rows[std::size_t(form.Data1()->currentRow())];
        EXPECT_EQ(row[std::size_t(column)], hostile.value);
        expectOnlyTheTargetsChanged(hostile.shown.value_or(hostile.value));
    }
    // Back on the plain row, the window is as it was, pixel for pixel.
    form.Data1()->moveFirst();
    expectOnlyTheTargetsChanged(kPlainValue);
    const PixelDifference inside = differenceOutside(baseShot, shot(), {});
    EXPECT_EQ(inside.count, 0);
}

// A Text field holds 255 characters; a value box shows whatever text it is
// given the same way, thousands of characters as well.
TEST_F(HostileValuesTest, ThousandsOfCharactersAreCutAtTheBoxToo) {
    start({kPlainValue});
    const QString values[] = {repeated(s(u"8"), 5000), repeated(s(u"フランジ"), 1500),
                              repeated(s(u"<b>8</b>&amp;\u202E"), 400)};
    for (const QString& value : values) {
        SCOPED_TRACE(value.size());
        for (const auto& target : kTargets) {
            harness.label(target.box)->setText(value);
        }
        expectOnlyTheTargetsChanged(value);
    }
}

} // namespace
} // namespace tavrin
