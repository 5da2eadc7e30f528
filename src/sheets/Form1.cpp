// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Form1.h"

#include "DataControl.h"
#include "JapaneseFont.h"
#include "MessageSink.h"
#include "NormalPositionTracker.h"
#include "ProgramEnd.h"
#include "SettingsStore.h"
#include "SheetBuilder.h"
#include "SheetDefinitions.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "WindowManager.h"
#include "WindowPositionMemory.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QtDebug>
#include <algorithm>
#include <cmath>
#include <exception>

namespace tavrin {
namespace {

// Layout of the client area, in twips.
constexpr int kClientWidth = 7065;
constexpr int kClientHeight = 7890;
constexpr int kTabRect[] = {0, 0, 7035, 7575};
constexpr int kDataRect[] = {3960, 7140, 3015, 375};
constexpr int kCommand2Rect[] = {2880, 7140, 795, 375};
constexpr int kStatusRect[] = {0, 7575, 7065, 315};
constexpr int kTabHeightPixels = 20;             // 520 HIMETRIC
const std::vector<int> kPanelWidths = {388, 80}; // 10266 and 2117 HIMETRIC

constexpr double kTwipsPerInch = 1440.0;

QRect pixels(const int (&twips)[4]) {
    return {twipsToPixels(twips[0]), twipsToPixels(twips[1]), twipsToPixels(twips[2]),
            twipsToPixels(twips[3])};
}

const QString kIconResource = QStringLiteral(":/icons/tavrin.xpm");
const QString kDataFile = QStringLiteral("tavrin.mdb");
const QString kTableName = QStringLiteral("Kelvor");

} // namespace

Form1::Form1(Form1Platform platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      platform_(std::move(platform)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Merolan【Kelvor】 JIS B 2210・2220・2313"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral(TAVRIN_APP_ID), QIcon(kIconResource)));
    buildMenus();
    buildClient();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The design position: the window's outer top-left corner at the screen's.
    move(0, 0);
}

void Form1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("file"));
    quit_ = file->addAction(QStringLiteral("終了"));
    quit_->setObjectName(QStringLiteral("Quit"));
    connect(quit_, &QAction::triggered, this, [this] { run([this] { Quit_Click(); }); });

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("View"));
    QMenu* frontTop = view->addMenu(QStringLiteral("常に手前表示"));
    frontTop->setObjectName(QStringLiteral("FrontTop"));
    formTopOn_ = frontTop->addAction(QStringLiteral("ON"));
    formTopOn_->setObjectName(QStringLiteral("FormTop_ON"));
    formTopOn_->setShortcut(QKeySequence(Qt::Key_F4));
    formTopOn_->setCheckable(true);
    connect(formTopOn_, &QAction::triggered, this, [this] { run([this] { FormTop_ON_Click(); }); });
    formTopOff_ = frontTop->addAction(QStringLiteral("OFF"));
    formTopOff_->setObjectName(QStringLiteral("FormTop_OFF"));
    formTopOff_->setShortcut(QKeySequence(Qt::Key_F5));
    formTopOff_->setCheckable(true);
    connect(formTopOff_, &QAction::triggered, this,
            [this] { run([this] { FormTop_OFF_Click(); }); });
    for (QAction* item : {formTopOn_, formTopOff_}) {
        item->setShortcutContext(Qt::WindowShortcut);
        addAction(item); // the keys work with no menu open
    }

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Help"));
    about_ = help->addAction(QStringLiteral("Merolanについて"));
    about_->setObjectName(QStringLiteral("About"));
    connect(about_, &QAction::triggered, this, [this] { run([this] { About_Click(); }); });

    // An open menu takes the keyboard, and with it the window's shortcuts:
    // the menus hand the two keys on.
    for (QMenu* menu : {file, view, frontTop, help}) {
        menu->installEventFilter(this);
    }
}

void Form1::buildClient() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setCentralWidget(client_);

    // Created back to front: the end button lies behind the tab control.
    command2_ = new QPushButton(QStringLiteral("終　了"), client_);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(pixels(kCommand2Rect));
    command2_->setAutoDefault(true); // Enter clicks it while it has the focus
    command2_->setDefault(false);
    command2_->setFocusPolicy(Qt::TabFocus);
    connect(command2_, &QPushButton::clicked, this, [this] { run([this] { Command2_Click(); }); });

    QStringList captions;
    for (const SheetDef& sheet : sheetDefinitions()) {
        captions << QString::fromStdString(sheet.tabCaption);
    }
    tabs_ = new TabControl(captions, kTabHeightPixels, client_);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(pixels(kTabRect));
    tabs_->tabBar()->setFont(japaneseFont(12.0));
    connect(tabs_, &TabControl::clicked, this,
            [this](int previous) { run([this, previous] { SSTab1_Click(previous); }); });

    data_ = new DataControl(platform_.messages, platform_.reader, client_);
    data_->setObjectName(QStringLiteral("Data1"));
    data_->setGeometry(pixels(kDataRect));
    data_->setCaption(QStringLiteral("     Kelvor"));
    data_->setConnect(QStringLiteral("Access"));
    data_->setRecordSource(kTableName);

    status_ = new StatusBar(kPanelWidths, client_);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setGeometry(pixels(kStatusRect));

    SheetBuilder(*tabs_, *data_).build(sheetDefinitions());

    command2_->lower();
    data_->raise();
    status_->raise();
    setTabOrder(tabs_->tabBar(), command2_);

    // Esc clicks the end button, the window's cancel button.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WindowShortcut);
    connect(cancel, &QShortcut::activated, command2_, &QPushButton::click);
}

QAction* Form1::action(const QString& name) const {
    for (QAction* item : {quit_, formTopOn_, formTopOff_, about_}) {
        if (item->objectName() == name) {
            return item;
        }
    }
    return nullptr;
}

quintptr Form1::hWnd() const {
    return static_cast<quintptr>(winId());
}

double Form1::leftTwips() const {
    return frameGeometry().x() * kTwipsPerInch / logicalDpiX();
}
double Form1::topTwips() const {
    return frameGeometry().y() * kTwipsPerInch / logicalDpiY();
}

void Form1::setLeftTwips(double left) {
    move(static_cast<int>(std::lround(left * logicalDpiX() / kTwipsPerInch)), frameGeometry().y());
}

void Form1::setTopTwips(double top) {
    move(frameGeometry().x(), static_cast<int>(std::lround(top * logicalDpiY() / kTwipsPerInch)));
}

void Form1::load() {
    run([this] { Form_Load(); });
}

void Form1::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        platform_.messages.showHandlerError(QString::fromUtf8(error.what()));
        platform_.programEnd.endNow(1);
    }
}

void Form1::Form_Load() {
    // The remembered position: Left from "X1", then Top from "Y1", each with
    // the window's own as the default. A position at which too little of the
    // caption bar would lie on any screen to grab it (a monitor since removed,
    // a window dragged almost off the screen) gives way to the design
    // position, where the window stands now. The window takes
    // its fixed size first: on X11 a window resized after it was placed is
    // placed by its client area, not by its frame.
    layout()->activate();
    WindowPositionMemory memory(platform_.settings);
    const float left =
        memory.restore(WindowPositionMemory::kLeftKey, static_cast<float>(leftTwips()));
    const float top = memory.restore(WindowPositionMemory::kTopKey, static_cast<float>(topTwips()));
    const QRectF captionBar(left * logicalDpiX() / kTwipsPerInch,
                            top * logicalDpiY() / kTwipsPerInch, frameGeometry().width(),
                            std::max(1, style()->pixelMetric(QStyle::PM_TitleBarHeight)));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << screen->geometry();
    }
    if (WindowPositionMemory::reachable(captionBar, screens)) {
        setLeftTwips(left);
        setTopTwips(top);
    } else {
        qWarning().noquote() << QStringLiteral("tavrin: the remembered window position %1, %2 "
                                               "leaves too little of its caption bar on any "
                                               "screen to grab it; the window opens at the "
                                               "top-left corner")
                                    .arg(WindowPositionMemory::toText(left),
                                         WindowPositionMemory::toText(top));
    }
    new NormalPositionTracker(*this);

    status_->setPanelText(1, QString::fromStdString(sheetDescription(0)));

    data_->setDatabaseName(dataFilePath(platform_.currentDirectory()));
}

// The working directory as the platform writes it, its separator and the file
// name; at the root the separator stands twice.
QString Form1::dataFilePath(const QString& directory) {
    return QDir::toNativeSeparators(directory) + QDir::separator() + kDataFile;
}

QString Form1::tableName() {
    return kTableName;
}

void Form1::Form_Unload() {
    // Where the window stands in its normal state: a window closed while
    // minimised saves the position it is restored to.
    double left = leftTwips();
    double top = topTwips();
    if (const auto* normal = findChild<NormalPositionTracker*>(); normal && isMinimized()) {
        left = normal->framePosition().x() * kTwipsPerInch / logicalDpiX();
        top = normal->framePosition().y() * kTwipsPerInch / logicalDpiY();
    }
    WindowPositionMemory memory(platform_.settings);
    memory.save(static_cast<float>(left), static_cast<float>(top));
}

void Form1::Quit_Click() {
    platform_.programEnd.endNow(0);
}

void Form1::Command2_Click() {
    platform_.programEnd.endNow(0);
}

void Form1::FormTop_ON_Click() {
    status_->setPanelText(2, QStringLiteral("FormTop"));
    FormTop::SetFormTopmost(platform_.windowManager, *this, 1);
    formTopOn_->setChecked(true);
    formTopOff_->setChecked(false);
}

void Form1::FormTop_OFF_Click() {
    SwitchFormTopOff();
}

void Form1::SwitchFormTopOff() {
    status_->setPanelText(2, QString());
    FormTop::SetFormTopmost(platform_.windowManager, *this, 0);
    formTopOn_->setChecked(false);
    formTopOff_->setChecked(true);
}

void Form1::About_Click() {
    SwitchFormTopOff();
    if (platform_.showInformation) {
        platform_.showInformation();
    }
}

void Form1::SSTab1_Click(int /*previousTab*/) {
    for (int sheet = 0; sheet < 5; ++sheet) {
        if (tabs_->tab() == sheet) {
            status_->setPanelText(1, QString::fromStdString(sheetDescription(sheet)));
            return;
        }
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched) != nullptr) {
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        for (QAction* item : {formTopOn_, formTopOff_}) {
            if (key == item->shortcut()) {
                // As a click on the item: the menus close, then the command runs.
                while (QWidget* popup = QApplication::activePopupWidget()) {
                    popup->close();
                }
                item->trigger();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    run([this] { Form_Unload(); });
    event->accept();
}

} // namespace tavrin
