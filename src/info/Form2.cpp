// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Form2.h"

#include "ClickLabel.h"
#include "ExcURL.h"
#include "InfoTexts.h"
#include "JapaneseFont.h"
#include "X11FocusWatch.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <vector>

namespace tavrin {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

// Client area and the controls that are not labels, in twips.
constexpr int kClientWidth = 4815;
constexpr int kClientHeight = 6615;
constexpr int kFrame1Rect[] = {180, 3420, 4515, 75};
constexpr int kCommand1Rect[] = {2640, 6060, 975, 375};

const QString kIconResource = QStringLiteral(":/icons/info.xpm");
const QColor kAddressColour(0, 0, 255);

enum class Back { Transparent, Opaque };

// One label: its name, its element number in Label13 (-1 for the single
// labels), caption, stored Left and Top in twips, font size and back style.
// Each label sizes itself to its caption from Left and Top.
struct LabelDef {
    const char* name;
    int index;
    QString caption;
    int left;
    int top;
    double points;
    Back back;
};

// From top to bottom.
std::vector<LabelDef> labelDefinitions() {
    using B = Back;
    const auto utf8 = [](const char* text) { return QString::fromUtf8(text); };
    return {
        {"Label3", -1, QStringLiteral("Merolanシリーズ"), 1260, 180, 12.0, B::Transparent},
        {"Label1", -1, QStringLiteral("Kelvor"), 1680, 480, 12.0, B::Transparent},
        {"Label13", 0, QStringLiteral("ＪＩＳ　５ｋ系 JIS B 2220(1990)"), 1020, 780, 12.0,
         B::Opaque},
        {"Label13", 1, QStringLiteral("ＪＩＳ１０ｋ系 JIS B 2220(1990)"), 1020, 1020, 12.0,
         B::Opaque},
        {"Label13", 2, QStringLiteral("ＪＩＳ２０ｋ系 JIS B 2220(1990)"), 1020, 1260, 12.0,
         B::Opaque},
        {"Label13", 6, QStringLiteral("ＪＩＳ３０ｋ系 JIS B 2220(1990)"), 1020, 1500, 12.0,
         B::Opaque},
        {"Label13", 3, QStringLiteral("ＪＩＳ４０ｋ系 JIS B 2210(1984)"), 1020, 1740, 12.0,
         B::Opaque},
        {"Label13", 4, QStringLiteral("ＪＩＳ６３ｋ系 JIS B 2210(1984)"), 1020, 1980, 12.0,
         B::Opaque},
        {"Label13", 5, QStringLiteral("ｴﾙﾎﾞ･ﾁｰ　 JIS B 2313(1991)"), 1020, 2220, 12.0, B::Opaque},
        {"Label4", -1, utf8(infotexts::kVersion), 1980, 2460, 12.0, B::Transparent},
        {"Label11", -1, utf8(infotexts::kRights), 420, 2700, 11.25, B::Transparent},
        {"Label12", -1, utf8(infotexts::kContact), 840, 2940, 9.75, B::Transparent},
        {"Label13", Form2::kAddressIndex, utf8(infotexts::kHomepage), 840, 3120, 9.75,
         B::Transparent},
    };
}

QString controlName(const LabelDef& def) {
    const QString name = QString::fromLatin1(def.name);
    return def.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(def.index);
}

QRect pixels(const int (&twips)[4]) {
    return {px(twips[0]), px(twips[1]), px(twips[2]), px(twips[3])};
}

} // namespace

Form2::Form2(Shell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("information"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setBackgroundRole(QPalette::Button);
    if (QFile::exists(kIconResource)) {
        setWindowIcon(QIcon(kIconResource));
    }

    buildLabels();

    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    frame1_->setGeometry(pixels(kFrame1Rect));

    command1_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(pixels(kCommand1Rect));
    command1_->setDefault(false);
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    command1_->setFocus();
}

Form2::~Form2() = default;

void Form2::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    // Minimised, the window leaves the main window blocked with nothing to
    // see: the main window's activation brings it back.
    if (isMinimized() && !focusWatch_) {
        focusWatch_ = std::make_unique<X11FocusWatch>(winId(), [this] {
            QMetaObject::invokeMethod(this, &Form2::restoreIfMinimised, Qt::QueuedConnection);
        });
    } else if (!isMinimized()) {
        focusWatch_.reset();
    }
}

void Form2::buildLabels() {
    for (const LabelDef& def : labelDefinitions()) {
        PlainLabel* label = nullptr;
        if (def.index >= 0) {
            auto* element = new ClickLabel(def.caption, this);
            const int index = def.index;
            connect(element, &ClickLabel::clicked, this, [this, index] { Label13_Click(index); });
            label13_.at(static_cast<std::size_t>(index)) = element;
            label = element;
        } else {
            label = new PlainLabel(def.caption, this);
        }
        label->setObjectName(controlName(def));
        QFont font = japaneseFont(def.points);
        if (def.index == kAddressIndex) {
            font.setUnderline(true);
            // On the button-face background a label draws its text in the
            // button-text colour: that is the one made blue.
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, kAddressColour);
            palette.setColor(QPalette::ButtonText, kAddressColour);
            label->setPalette(palette);
        }
        label->setFont(font);
        label->setBackgroundRole(QPalette::Button);
        label->setAutoFillBackground(def.back == Back::Opaque);
        label->setCursor(Qt::ArrowCursor);
        label->move(px(def.left), px(def.top));
        label->adjustSize();
    }
}

PlainLabel* Form2::label(const char* name) const {
    return findChild<PlainLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QLabel* Form2::Label1() const {
    return label("Label1");
}
QLabel* Form2::Label3() const {
    return label("Label3");
}
QLabel* Form2::Label4() const {
    return label("Label4");
}
QLabel* Form2::Label11() const {
    return label("Label11");
}
QLabel* Form2::Label12() const {
    return label("Label12");
}
QLabel* Form2::Label13(int index) const {
    return label13_.at(static_cast<std::size_t>(index));
}

void Form2::showModal(Shell& shell) {
    Form2 form2(shell);
    form2.exec();
}

void Form2::Command1_Click() {
    close();
}

void Form2::Label13_Click(int /*index*/) {
    // Always the address, whichever element was clicked, read at each click.
    ExcURL::ShellExecute(shell_, label13_[kAddressIndex]->text());
}

void Form2::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Placed here, the window is not placed again by QDialog, whose guess
        // at a frame not yet drawn is off by its own sizes.
        centredFrame_ = QSize();
        centreOnScreen();
    }
    QDialog::setVisible(visible);
}

void Form2::centreOnScreen() {
    const QScreen* on = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (on == nullptr) {
        return;
    }
    const QSize frame = frameGeometry().size();
    const QRect area = on->geometry();
    move(area.x() + (area.width() - frame.width()) / 2,
         area.y() + (area.height() - frame.height()) / 2);
    centredFrame_ = frame;
}

bool Form2::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        if (isVisible() && frameGeometry().size() != centredFrame_) {
            centreOnScreen();
        }
        break;
    default:
        break;
    }
    return handled;
}

void Form2::restoreIfMinimised() {
    if (isVisible() && isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    }
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // Command1 is the cancel button: Esc clicks it.
    if (event->key() == Qt::Key_Escape &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        command1_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tavrin
