// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "SheetBuilder.h"

#include "CaptionLabel.h"
#include "DataControl.h"
#include "JapaneseFont.h"
#include "PictureBox.h"
#include "PlainLabel.h"
#include "TabControl.h"

#include <QPixmap>

namespace tavrin {
namespace {

// The picture box's place in the tab control, in pixels.
const QRect kPictureBoxRect(4, 24, 461, 449);
const QColor kDrawingBackground(192, 192, 192);

QRect pixelRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QPixmap drawing(const QString& name, const QSize& size) {
    QPixmap pixmap(QStringLiteral(":/drawings/%1.png").arg(name));
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(kDrawingBackground);
    }
    return pixmap;
}

} // namespace

SheetBuilder::SheetBuilder(TabControl& tabs, DataControl& data) : tabs_(tabs), data_(data) {}

QString SheetBuilder::objectName(const ValueBoxDef& def) {
    const QString name = QString::fromStdString(def.control);
    return def.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(def.index);
}

QLabel* SheetBuilder::makeValueBox(const ValueBoxDef& def) {
    auto* box = new PlainLabel(QString::fromStdString(def.designCaption()));
    box->setObjectName(objectName(def));
    box->setProperty("DataField", QString::fromStdString(def.field));
    box->setProperty("DataSource", QStringLiteral("Data1"));
    box->setFont(japaneseFont(def.points));
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setWordWrap(false);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    box->setPalette(palette);
    box->setFocusPolicy(Qt::NoFocus);
    box->setGeometry(pixelRect(def.left, def.top, def.width, def.height));
    return box;
}

QLabel* SheetBuilder::makeCaptionLabel(const CaptionLabelDef& def) {
    auto* label = new CaptionLabel(QString::fromStdString(def.caption), twipsToPixels(def.height));
    label->setObjectName(QStringLiteral("Label0(%1)").arg(def.index));
    label->setFont(fittedFont(japaneseFont(def.points), label->text(), twipsToPixels(def.width)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    label->setFocusPolicy(Qt::NoFocus);
    label->move(twipsToPixels(def.left), twipsToPixels(def.top));
    label->adjustSize();
    return label;
}

void SheetBuilder::build(const std::vector<SheetDef>& sheets) {
    for (const SheetDef& sheet : sheets) {
        buildSheet(sheet);
    }
}

void SheetBuilder::buildSheet(const SheetDef& sheet) {
    auto* picture = new PictureBox;
    picture->setObjectName(QString::fromStdString(sheet.pictureBox));
    picture->setPictureSource(
        [name = QString::fromStdString(sheet.drawing),
         size = QSize(sheet.drawingWidth, sheet.drawingHeight)] { return drawing(name, size); });
    tabs_.addToTab(sheet.index, picture);
    picture->setGeometry(kPictureBoxRect);

    for (const ValueBoxDef& def : sheet.valueBoxes) {
        QLabel* box = makeValueBox(def);
        picture->place(box, box->geometry());
        data_.bind(box, QString::fromStdString(def.field));
    }
    for (const CaptionLabelDef& def : sheet.captionLabels) {
        QLabel* label = makeCaptionLabel(def);
        picture->place(label, label->geometry());
    }
    for (const ValueBoxDef& def : sheet.sizeBoxes) {
        QLabel* box = makeValueBox(def);
        const QRect rect = box->geometry();
        tabs_.addToTab(sheet.index, box);
        box->setGeometry(rect);
        data_.bind(box, QString::fromStdString(def.field));
    }
}

} // namespace tavrin
