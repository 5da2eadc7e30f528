// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The five sheets as the window shows them, held against the layout typed
// from the drawings' tables: every control by name, its parent, its pixel
// rectangle, its text, its font and its binding; and the sheet change.

#include "ExpectedSheets.h"
#include "Form1Harness.h"
#include "JetFixture.h"
#include "PictureBox.h"
#include "StatusBar.h"
#include "TabControl.h"

#include <QPainter>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

using namespace expected;

const char* const kPictureBoxes[] = {"Picture1", "Picture2", "Picture5", "Picture3", "Picture4"};
const std::u32string kTabCaptions[] = {U"JIS 5k\uFF6510k", U"JIS 20k", U"JIS 30k",
                                       U"JIS 40\uFF6563k",
                                       U"\uFF74\uFF99\uFF8E\uFF9E\uFF65\uFF81\uFF70"};
const std::u32string kDescriptions[] = {
    U"JIS 5,10k 10A\uFF5E1000A [JIS B 2220(1990)]", U"JIS 20k 10A\uFF5E600A [JIS B 2220(1990)]",
    U"JIS 30k 10A\uFF5E500A [JIS B 2220(1990)]", U"JIS 40,63k 15A\uFF5E400A [JIS B 2210(1984)]",
    U"JIS \uFF74\uFF99\uFF8E\uFF9E\uFF65\uFF81\uFF70 10A\uFF5E1000A [JIS B 2313(1991)]"};

QString text(const std::u32string& s) {
    return QString::fromUcs4(s.data(), qsizetype(s.size()));
}

QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// The dark pixels of a caption label as it paints itself on a white ground,
// and of its text painted where nothing cuts it off: the same when the label
// shows all of its letters.
int darkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128;
        }
    }
    return dark;
}

int inkInside(QLabel& label) {
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    label.render(&image, {}, {}, QWidget::DrawChildren);
    return darkPixels(image);
}

int inkOf(const QString& text, const QFont& font) {
    QImage image(QFontMetrics(font).horizontalAdvance(text) + 20, 4 * font.pixelSize(),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, 2 * font.pixelSize()), text);
    painter.end();
    return darkPixels(image);
}

class SheetsTest : public ::testing::Test {
protected:
    PictureBox* picture(int sheet) const {
        return harness.form->findChild<PictureBox*>(kPictureBoxes[sheet]);
    }
    QTemporaryDir dir;
    test::Form1Harness harness{dir.path()};
};

TEST_F(SheetsTest, EveryControlStandsWhereTheTablesPutIt) {
    Form1& form = harness.start(); // no data file: every box shows its design caption
    TabControl* tabs = form.SSTab1();
    ASSERT_EQ(tabs->tabCount(), 5);
    for (int sheet = 0; sheet < 5; ++sheet) {
        SCOPED_TRACE(sheet);
        EXPECT_EQ(tabs->tabBar()->tabText(sheet), text(kTabCaptions[sheet]));
        PictureBox* box = picture(sheet);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), tabs);
        EXPECT_EQ(box->geometry(), QRect(4, 24, 461, 449));
        EXPECT_EQ(box->contentsRect(), QRect(2, 2, 457, 445));

        for (const Box& expected : expectedBoxes(sheet)) {
            SCOPED_TRACE(expected.control);
            QLabel* label = harness.label(expected.control);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->parentWidget(), box);
            EXPECT_EQ(box->clientRect(label),
                      twips(expected.left, expected.top, expected.width, expected.height));
            EXPECT_EQ(label->text(), QString::fromUtf8(expected.caption));
            EXPECT_EQ(label->property("DataField").toString(), QString::fromUtf8(expected.field));
            EXPECT_EQ(label->font().pixelSize(), 16);
            EXPECT_EQ(label->alignment(), Qt::AlignCenter);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
            EXPECT_EQ(label->frameShadow(), QFrame::Sunken);
        }
        for (const Caption& expected : expectedCaptions(sheet)) {
            SCOPED_TRACE(expected.index);
            QLabel* label = harness.label(QStringLiteral("Label0(%1)").arg(expected.index));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->parentWidget(), box);
            EXPECT_EQ(box->clientRect(label).topLeft(),
                      QPoint(expected.left / 15, expected.top / 15));
            EXPECT_EQ(label->text(), text(expected.caption));
            EXPECT_EQ(label->font().pixelSize(), qRound(expected.points * 4 / 3));
            EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
            EXPECT_FALSE(label->autoFillBackground());
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            // As wide as its text, as tall as at design.
            EXPECT_EQ(label->size(), label->sizeHint());
            EXPECT_EQ(label->height(), expected.height / 15);
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
            EXPECT_EQ(inkInside(*label), inkOf(label->text(), label->font()));
        }
        const struct {
            const char* name;
            const char* field;
            QRect rect;
        } sizeBoxes[] = {{"Label1", "A", QRect(8, 476, 81, 25)},
                         {"Label2", "B", QRect(92, 476, 81, 25)}};
        for (const auto& expected : sizeBoxes) {
            QLabel* label = harness.label(QStringLiteral("%1(%2)").arg(expected.name).arg(sheet));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->parentWidget(), tabs);
            EXPECT_EQ(label->geometry(), expected.rect);
            EXPECT_EQ(label->text(), QString::fromLatin1(expected.field));
            EXPECT_EQ(label->property("DataField").toString(), QString::fromLatin1(expected.field));
            EXPECT_EQ(label->font().pixelSize(), 19);
        }
        // A tab owns its picture box and its two size boxes, nothing else.
        EXPECT_EQ(tabs->controlsOf(sheet).size(), 3u);
    }
}

TEST_F(SheetsTest, LabelsNeitherOverlapNorLeaveTheVisibleArea) {
    harness.start();
    for (int sheet = 0; sheet < 5; ++sheet) {
        SCOPED_TRACE(sheet);
        PictureBox* box = picture(sheet);
        const QList<QLabel*> labels = box->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < labels.size(); ++i) {
            const QRect a = box->clientRect(labels[i]);
            EXPECT_TRUE(QRect(0, 0, 457, 445).contains(a)) << labels[i]->objectName().toStdString();
            for (int j = i + 1; j < labels.size(); ++j) {
                const QString pair = labels[i]->objectName() + " " + labels[j]->objectName();
                // The two lines of each fitting's name overlap by a pixel.
                const bool nameLines = pair == "Label0(37) Label0(38)" ||
                                       pair == "Label0(39) Label0(40)" ||
                                       pair == "Label0(41) Label0(42)";
                if (nameLines) {
                    EXPECT_EQ(a.intersected(box->clientRect(labels[j])).height(), 1)
                        << pair.toStdString();
                } else {
                    EXPECT_FALSE(a.intersects(box->clientRect(labels[j]))) << pair.toStdString();
                }
            }
        }
    }
}

TEST_F(SheetsTest, OnlyTheCurrentSheetIsShownAndEachChangeNamesItsStandard) {
    Form1& form = harness.start();
    harness.form->StatusBar1()->setPanelText(2, "FormTop");
    for (int sheet : {1, 2, 3, 4, 0, 3, 0}) {
        SCOPED_TRACE(sheet);
        form.SSTab1()->tabBar()->setCurrentIndex(sheet);
        EXPECT_EQ(form.SSTab1()->tab(), sheet);
        for (int other = 0; other < 5; ++other) {
            EXPECT_EQ(picture(other)->isVisible(), other == sheet);
            EXPECT_EQ(harness.label(QStringLiteral("Label1(%1)").arg(other))->isVisible(),
                      other == sheet);
        }
        EXPECT_EQ(form.StatusBar1()->panelText(1), text(kDescriptions[sheet]));
        EXPECT_EQ(form.StatusBar1()->panelText(2), QStringLiteral("FormTop"));
    }
}

TEST_F(SheetsTest, ThePageAndTheStripBelowThePicturesAreTheButtonFace) {
    Form1& form = harness.start();
    const QImage image = form.client()->grab().toImage();
    const QColor face = form.palette().color(QPalette::Button);
    // Beside the picture box, in the strip between the size boxes and the
    // data control, and below the data control; the window's own strip at
    // the right edge for comparison.
    for (const QPoint at :
         {QPoint(2, 300), QPoint(220, 480), QPoint(230, 500), QPoint(180, 503), QPoint(469, 300)}) {
        EXPECT_EQ(image.pixelColor(at), face) << at.x() << "," << at.y();
    }
}

TEST_F(SheetsTest, TheKeyboardMovesBetweenTabs) {
    Form1& form = harness.start();
    form.activateWindow();
    form.SSTab1()->tabBar()->setFocus();
    QTest::keyClick(form.SSTab1()->tabBar(), Qt::Key_Right);
    EXPECT_EQ(form.SSTab1()->tab(), 1);
    EXPECT_EQ(form.StatusBar1()->panelText(1), text(kDescriptions[1]));
}

TEST_F(SheetsTest, HiddenSheetsFollowTheCurrentRow) {
    test::writeFixture(dir.filePath("tavrin.mdb"), JetVersion::Jet4, test::dimensionTable(4));
    Form1& form = harness.start();
    form.Data1()->button(2)->click(); // moved while sheet 0 is showing
    form.Data1()->button(2)->click();
    form.SSTab1()->setTab(3);
    EXPECT_EQ(harness.label("Label40")->text(), QStringLiteral("D-40k#2"));
    EXPECT_EQ(harness.label("Label7")->text(), QStringLiteral("H-63k#2"));
    EXPECT_EQ(harness.label("Label33")->text(), QStringLiteral("Da#2"));
    form.SSTab1()->setTab(4);
    for (const char* name : {"Label49", "Label54", "Label56", "Label59"}) {
        EXPECT_EQ(harness.label(name)->text(), QStringLiteral("Dp#2"));
    }
    for (int sheet = 0; sheet < 5; ++sheet) {
        EXPECT_EQ(harness.label(QStringLiteral("Label1(%1)").arg(sheet))->text(),
                  QStringLiteral("A#2"));
        EXPECT_EQ(harness.label(QStringLiteral("Label2(%1)").arg(sheet))->text(),
                  QStringLiteral("B#2"));
    }
    EXPECT_EQ(form.Data1()->currentRow(), 2); // a sheet change moves no row
}

TEST_F(SheetsTest, ATooLongValueIsCutAtItsBoxAndMovesNothing) {
    test::writeFixture(dir.filePath("tavrin.mdb"), JetVersion::Jet4,
                       test::textTable({"D-05k"}, {{std::string(200, '8')}}));
    harness.start();
    QLabel* label = harness.label("Label3");
    EXPECT_EQ(label->text(), QString(200, '8'));
    EXPECT_EQ(picture(0)->clientRect(label), twips(2220, 3525, 675, 300));
}

} // namespace
} // namespace tavrin
