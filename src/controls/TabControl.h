// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>
#include <vector>

class QTabBar;

namespace tavrin {

// A tabbed dialog: one row of tabs along the top edge over a panel; each
// tab owns a set of controls, which are children of the tab control itself
// (placed in its coordinates) and visible only while their tab is current.
class TabControl : public QWidget {
    Q_OBJECT
public:
    // `tabHeight` in pixels.
    TabControl(const QStringList& captions, int tabHeight, QWidget* parent = nullptr);

    // Makes `control` a member of tab `tab`; it becomes a child of this control.
    void addToTab(int tab, QWidget* control);

    int tab() const; // the current tab's index
    void setTab(int tab);
    int tabCount() const;
    QTabBar* tabBar() const { return bar_; }
    const std::vector<QWidget*>& controlsOf(int tab) const;

signals:
    // After every change of the current tab; tab() already holds the new index.
    void clicked(int previousTab);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showTab(int tab);

    QTabBar* bar_;
    int tabHeight_;
    int current_ = 0;
    std::vector<std::vector<QWidget*>> members_;
};

} // namespace tavrin
