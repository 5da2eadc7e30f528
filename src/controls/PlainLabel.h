// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace tavrin {

// A label that always shows its text as plain text, never as rich text.
class PlainLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(const QString& text = {}, QWidget* parent = nullptr);
};

} // namespace tavrin
