// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>
#include <vector>

class QLabel;

namespace tavrin {

// A status bar of plain-text panels, addressed from 1. The last panel takes
// what width the others leave.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    // `panelWidths` in pixels, one per panel; the bar's height is fixed.
    StatusBar(const std::vector<int>& panelWidths, QWidget* parent = nullptr);

    // Sets the text of panel `panel` (from 1); out-of-range panels are ignored.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelCount() const { return static_cast<int>(panels_.size()); }
    QLabel* panel(int panel) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutPanels();

    std::vector<int> widths_;
    std::vector<QLabel*> panels_;
};

} // namespace tavrin
