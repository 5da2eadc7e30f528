// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QStringList>

namespace tavrin {

// The labels' font: "ＭＳ Ｐゴシック" where it is installed, IPAPGothic in its
// place elsewhere; regular weight, sized in pixels at 96 dots per inch.
QFont japaneseFont(double points);

// `font`, narrowed where `text` would run wider than `width` pixels in it.
// The layout is drawn for the widths of "ＭＳ Ｐゴシック"; a wider stand-in
// font is narrowed to them, so that a label sized to its text keeps clear of
// its neighbours.
QFont fittedFont(const QFont& font, const QString& text, int width);

// The family names asked for, in order.
QStringList japaneseFontFamilies();

} // namespace tavrin
