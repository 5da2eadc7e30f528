// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "FormTop.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QPushButton;

namespace tavrin {

class DataControl;
class JetTableReader;
class MessageSink;
class ProgramEnd;
class SettingsStore;
class StatusBar;
class TabControl;
class WindowManager;

// What the main window uses of the platform.
struct Form1Platform {
    SettingsStore& settings;
    WindowManager& windowManager;
    MessageSink& messages;
    ProgramEnd& programEnd;
    // Reads the data file, in a process of its own.
    JetTableReader& reader;
    // Shows the information window modally and returns when it is closed.
    std::function<void()> showInformation;
    // The process's working directory, read once by the Load handler.
    std::function<QString()> currentDirectory;
};

// The main window: the five tabbed sheets, the data control, the status bar,
// the hidden end button and the menus.
class Form1 : public QMainWindow, public FormWindow {
    Q_OBJECT
public:
    // The data file the window opens when the working directory is
    // `directory`, and the table it shows.
    static QString dataFilePath(const QString& directory);
    static QString tableName();

    explicit Form1(Form1Platform platform, QWidget* parent = nullptr);

    // Runs the Load handler; the caller shows the window afterwards.
    void load();

    TabControl* SSTab1() const { return tabs_; }
    DataControl* Data1() const { return data_; }
    StatusBar* StatusBar1() const { return status_; }
    QPushButton* Command2() const { return command2_; }
    QAction* action(const QString& name) const; // Quit, FormTop_ON, FormTop_OFF, About
    QWidget* client() const { return client_; }

    quintptr hWnd() const override;

    // The window's outer top-left corner on the screen, in twips.
    double leftTwips() const;
    double topTwips() const;
    void setLeftTwips(double left);
    void setTopTwips(double top);

    // Event handlers.
    void Form_Load();
    void Form_Unload();
    void Quit_Click();
    void Command2_Click();
    void FormTop_ON_Click();
    void FormTop_OFF_Click();
    void About_Click();
    void SSTab1_Click(int previousTab);

    // The switch-off of the always-on-top state, shared by OFF and About.
    void SwitchFormTopOff();

protected:
    void closeEvent(QCloseEvent* event) override;
    // F4 and F5 pressed while one of the window's menus is open.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildClient();
    // Runs a handler; an error it raises is reported in the error box and
    // ends the program.
    void run(const std::function<void()>& handler);

    Form1Platform platform_;
    QWidget* client_ = nullptr;
    TabControl* tabs_ = nullptr;
    DataControl* data_ = nullptr;
    StatusBar* status_ = nullptr;
    QPushButton* command2_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* formTopOn_ = nullptr;
    QAction* formTopOff_ = nullptr;
    QAction* about_ = nullptr;
};

} // namespace tavrin
