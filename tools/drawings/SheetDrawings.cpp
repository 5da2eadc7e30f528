// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "SheetDrawings.h"

#include "DrawingRenderer.h"

#include <QDir>

namespace tavrin::drawings {

const std::vector<Drawing>& sheetDrawings() {
    static const std::vector<Drawing> all{sheet0Drawing(), sheet12Drawing(), sheet3Drawing(),
                                          sheet4Drawing()};
    return all;
}

bool writeSheetDrawings(const QString& folder) {
    const QDir dir(folder);
    bool ok = true;
    for (const Drawing& d : sheetDrawings()) {
        const QImage image = DrawingRenderer::render(d).toImage();
        ok = image.save(dir.filePath(QString::fromStdString(d.name) + ".png"), "PNG") && ok;
    }
    return ok;
}

} // namespace tavrin::drawings
