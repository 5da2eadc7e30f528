// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Form2.h"
#include "InfoTexts.h"
#include "RecordingShell.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

const QString kHomepage = QString::fromUtf8(infotexts::kHomepage);

// A shown information window over a recording shell; clicks go through the
// window, so they land on whatever lies at the point.
class Form2Test : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form.windowHandle(), button, {}, at);
    }
    static QPoint centre(const QWidget* w) { return w->geometry().center(); }

    test::RecordingShell shell;
    Form2 form{shell};
};

TEST_F(Form2Test, IsAFixedCentredDialogWithoutOwnerMenuOrExtraButtons) {
    EXPECT_EQ(form.objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("information"));
    EXPECT_EQ(form.size(), QSize(321, 441));
    EXPECT_EQ(form.minimumSize(), QSize(321, 441));
    EXPECT_EQ(form.maximumSize(), QSize(321, 441));
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_EQ(form.windowModality(), Qt::ApplicationModal);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(form.findChild<QMenuBar*>(), nullptr);
    const QPoint offCentre =
        form.frameGeometry().center() - form.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    // The icon is drawn separately; the window has it exactly when it is built in.
    EXPECT_EQ(!form.windowIcon().isNull(), QFile::exists(QStringLiteral(":/icons/info.xpm")));
}

TEST_F(Form2Test, EveryLabelHasItsCaptionPlaceFontAndLook) {
    struct Expected {
        const char* name;
        QString caption;
        QPoint place;
        int pixelSize;
        bool opaque;
    };
    const QString version = QString::fromUtf8(infotexts::kVersion);
    const QString rights = QString::fromUtf8(infotexts::kRights);
    const QString contact = QString::fromUtf8(infotexts::kContact);
    // The captions spelled by code point.
    const Expected labels[] = {
        {"Label3", QString::fromUtf16(u"Merolan\u30B7\u30EA\u30FC\u30BA"), {84, 12}, 16, false},
        {"Label1", QStringLiteral("Kelvor"), {112, 32}, 16, false},
        {"Label13(0)",
         QString::fromUtf16(u"\uFF2A\uFF29\uFF33\u3000\uFF15\uFF4B\u7CFB JIS B 2220(1990)"),
         {68, 52},
         16,
         true},
        {"Label13(1)",
         QString::fromUtf16(u"\uFF2A\uFF29\uFF33\uFF11\uFF10\uFF4B\u7CFB JIS B 2220(1990)"),
         {68, 68},
         16,
         true},
        {"Label13(2)",
         QString::fromUtf16(u"\uFF2A\uFF29\uFF33\uFF12\uFF10\uFF4B\u7CFB JIS B 2220(1990)"),
         {68, 84},
         16,
         true},
        {"Label13(6)",
         QString::fromUtf16(u"\uFF2A\uFF29\uFF33\uFF13\uFF10\uFF4B\u7CFB JIS B 2220(1990)"),
         {68, 100},
         16,
         true},
        {"Label13(3)",
         QString::fromUtf16(u"\uFF2A\uFF29\uFF33\uFF14\uFF10\uFF4B\u7CFB JIS B 2210(1984)"),
         {68, 116},
         16,
         true},
        {"Label13(4)",
         QString::fromUtf16(u"\uFF2A\uFF29\uFF33\uFF16\uFF13\uFF4B\u7CFB JIS B 2210(1984)"),
         {68, 132},
         16,
         true},
        {"Label13(5)",
         QString::fromUtf16(u"\uFF74\uFF99\uFF8E\uFF9E\uFF65\uFF81\uFF70\u3000 JIS B 2313(1991)"),
         {68, 148},
         16,
         true},
        {"Label4", version, {132, 164}, 16, false},
        {"Label11", rights, {28, 180}, 15, false},
        {"Label12", contact, {56, 196}, 13, false},
        {"Label13(7)", kHomepage, {56, 208}, 13, false},
    };
    EXPECT_EQ(form.findChildren<QLabel*>().size(), static_cast<qsizetype>(std::size(labels)));
    for (const Expected& e : labels) {
        SCOPED_TRACE(e.name);
        const auto* label = form.findChild<QLabel*>(QString::fromLatin1(e.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), e.caption);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->pos(), e.place);
        EXPECT_EQ(label->size(), label->sizeHint()); // sized to its caption
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
        const QFont font = label->font();
        EXPECT_EQ(font.families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
        EXPECT_EQ(font.pixelSize(), e.pixelSize);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic());
        EXPECT_FALSE(font.strikeOut());
        const bool address = label == form.Label13(Form2::kAddressIndex);
        EXPECT_EQ(font.underline(), address);
        const QColor text = label->palette().color(QPalette::WindowText);
        if (address) {
            EXPECT_EQ(text, QColor(0, 0, 255));
        } else {
            EXPECT_EQ(text, form.palette().color(QPalette::WindowText));
        }
        EXPECT_EQ(label->autoFillBackground(), e.opaque);
        EXPECT_EQ(label->palette().color(label->backgroundRole()),
                  form.palette().color(form.backgroundRole()));
        EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
    }
    for (int index = 0; index < Form2::kLabel13Count; ++index) {
        EXPECT_EQ(form.Label13(index)->objectName(), QStringLiteral("Label13(%1)").arg(index));
    }
    EXPECT_EQ(form.Label1()->text(), QStringLiteral("Kelvor"));
    EXPECT_EQ(form.Label12()->text(), contact);
}

TEST_F(Form2Test, TheAddressIsDrawnInBlueAndTheListInTheTextColour) {
    const QImage image = form.grab().toImage();
    const auto count = [&](const QLabel* label, const QColor& colour) {
        int pixels = 0;
        const QRect rect = label->geometry();
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                pixels += image.pixelColor(x, y) == colour;
            }
        }
        return pixels;
    };
    const QColor blue(0, 0, 255);
    const QColor text = form.palette().color(QPalette::ButtonText);
    const QLabel* address = form.Label13(Form2::kAddressIndex);
    EXPECT_GT(count(address, blue), 20);
    EXPECT_EQ(count(address, text), 0);
    EXPECT_EQ(count(form.Label13(0), blue), 0);
    EXPECT_GT(count(form.Label13(0), text), 20);
}

TEST_F(Form2Test, HasTheSeparatorAndTheCancelButtonWithTheOnlyFocus) {
    const QFrame* frame = form.Frame1();
    EXPECT_EQ(frame->objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(frame->geometry(), QRect(12, 228, 301, 5));
    EXPECT_EQ(frame->frameShape(), QFrame::HLine);
    EXPECT_EQ(frame->frameShadow(), QFrame::Sunken);

    const QPushButton* button = form.Command1();
    EXPECT_EQ(button->objectName(), QStringLiteral("Command1"));
    EXPECT_EQ(button->text(), QString::fromUtf16(u"\uFF77\uFF6C\uFF9D\uFF7E\uFF99"));
    EXPECT_EQ(button->geometry(), QRect(176, 404, 65, 25));
    EXPECT_EQ(button->font(), QApplication::font(button));

    for (const QWidget* child : form.findChildren<QWidget*>()) {
        EXPECT_EQ(child->focusPolicy() != Qt::NoFocus, child == button)
            << child->objectName().toStdString();
    }
    EXPECT_EQ(form.focusWidget(), button);
}

TEST_F(Form2Test, AClickOnAnyElementOfLabel13OpensTheAddressOnce) {
    QStringList expected;
    for (int index = 0; index < Form2::kLabel13Count; ++index) {
        click(centre(form.Label13(index)));
        expected << QStringLiteral("open ") + kHomepage;
        EXPECT_EQ(shell.calls, expected) << "element " << index;
    }
    // Again on an element already clicked, and the window stays open.
    click(centre(form.Label13(Form2::kAddressIndex)));
    click(centre(form.Label13(6)));
    EXPECT_EQ(shell.calls.size(), Form2::kLabel13Count + 2);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form2Test, ClicksAnywhereElseOpenNothing) {
    const QPoint places[] = {
        centre(form.Label1()),
        centre(form.Label3()),
        centre(form.Label4()),
        centre(form.Label11()),
        centre(form.Label12()),
        centre(form.Frame1()),
        {5, 5},
        {300, 60}, // right of the list
        {160, 320},
        {30, 430}, // between separator and button
    };
    for (const QPoint& at : places) {
        click(at);
        EXPECT_TRUE(shell.calls.isEmpty()) << at.x() << "," << at.y();
    }
    // Only the left button clicks, and only when released on the label.
    const QPoint address = centre(form.Label13(Form2::kAddressIndex));
    click(address, Qt::RightButton);
    click(address, Qt::MiddleButton);
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, address);
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, {160, 320});
    EXPECT_TRUE(shell.calls.isEmpty());
}

TEST_F(Form2Test, ADoubleClickOpensTheAddressOnce) {
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, centre(form.Label13(0)));
    EXPECT_EQ(shell.calls, QStringList{QStringLiteral("open ") + kHomepage});
}

TEST_F(Form2Test, ReadsTheAddressAtEachClickAndHandsOnlyWebAddresses) {
    struct Case {
        const char* address;
        bool handed;
    };
    const Case cases[] = {
        {"https://other.example/page", true},
        {"http://other.example/", true},
        {"file:///bin/sh", false},
        {"/usr/bin/xterm", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const QString address = QString::fromUtf8(c.address);
        form.Label13(Form2::kAddressIndex)->setText(address);
        shell.calls.clear();
        click(centre(form.Label13(3)));
        const QStringList expected =
            c.handed ? QStringList{QStringLiteral("open ") + address} : QStringList{};
        EXPECT_EQ(shell.calls, expected) << c.address;
    }
}

TEST_F(Form2Test, EscAndEnterClickTheCancelButtonWhichClosesTheWindow) {
    QSignalSpy clicks(form.Command1(), &QPushButton::clicked);
    QTest::keyClick(form.Command1(), Qt::Key_Escape);
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_FALSE(form.isVisible());

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_FALSE(form.isVisible());

    // Enter clicks the button that has the focus, and that is always this one.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(form.Command1(), Qt::Key_Return);
    EXPECT_EQ(clicks.size(), 3);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(shell.calls.isEmpty());
}

} // namespace
} // namespace tavrin
