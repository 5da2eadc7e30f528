#pragma once

#include <QFont>
#include <QStringList>

namespace tavrin {

// The labels' font: "ＭＳ Ｐゴシック" where it is installed, IPAPGothic in its
// place elsewhere; regular weight, sized in pixels at 96 dots per inch.
QFont japaneseFont(double points);

// The family names asked for, in order.
QStringList japaneseFontFamilies();

} // namespace tavrin
