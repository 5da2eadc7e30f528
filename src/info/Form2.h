// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace tavrin {

class ClickLabel;
class PlainLabel;
class Shell;
class X11FocusWatch;

// The information window: the series and volume titles, the list of covered
// standards, the version, rights and contact lines, the homepage address and
// the cancel button. A click on any element of the array Label13 (the list
// and the address) opens the address through the shell.
class Form2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLabel13Count = 8;
    static constexpr int kAddressIndex = 7;

    explicit Form2(Shell& shell, QWidget* parent = nullptr);
    ~Form2() override;

    // Loads a new information window, shows it modally with no owner and
    // returns once it is closed; nothing of it survives.
    static void showModal(Shell& shell);

    QLabel* Label1() const;
    QLabel* Label3() const;
    QLabel* Label4() const;
    QLabel* Label11() const;
    QLabel* Label12() const;
    QLabel* Label13(int index) const;
    QFrame* Frame1() const { return frame1_; }
    QPushButton* Command1() const { return command1_; }

    // Event handlers.
    void Command1_Click();
    void Label13_Click(int index);

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildLabels();
    // Puts the frame's centre on the screen's centre.
    void centreOnScreen();
    void restoreIfMinimised();
    PlainLabel* label(const char* name) const;

    Shell& shell_;
    std::array<ClickLabel*, kLabel13Count> label13_{};
    QFrame* frame1_ = nullptr;
    QPushButton* command1_ = nullptr;
    // The frame's size when the window was last centred: the window manager
    // frames the window only once it is shown, and then it is centred again.
    QSize centredFrame_;
    std::unique_ptr<X11FocusWatch> focusWatch_; // while minimised
};

} // namespace tavrin
