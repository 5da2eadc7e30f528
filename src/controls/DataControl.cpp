// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "DataControl.h"

#include "JetTableReader.h"
#include "LocalPath.h"
#include "MessageSink.h"
#include "PlainLabel.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace tavrin {
namespace {

// The characters that end a line: LF, VT, FF, CR, NEL, LS and PS.
constexpr std::array<char16_t, 7> kLineBreaks{u'\n',     u'\v',     u'\f',    u'\r',
                                              u'\u0085', u'\u2028', u'\u2029'};

bool isLineBreak(QChar c) {
    return std::find(kLineBreaks.begin(), kLineBreaks.end(), c.unicode()) != kLineBreaks.end();
}

// A bound label is one line high, so a value shows on one line: each line
// break in it (CR LF counts as one) becomes one space, and what does not fit
// is cut at the label's edges. Everything else is shown as it is.
QString oneLine(const QString& value) {
    if (std::none_of(value.begin(), value.end(), isLineBreak)) {
        return value;
    }
    QString line;
    line.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (!isLineBreak(value[i])) {
            line += value[i];
            continue;
        }
        if (value[i] == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') {
            ++i;
        }
        line += u' ';
    }
    return line;
}

enum class Arrow { First, Previous, Next, Last };

// A black triangle pointing left or right, with a one-pixel bar at its
// outer end for first and last; the right-hand arrows are the left-hand ones
// mirrored.
QPixmap arrowPixmap(Arrow arrow) {
    QImage image(9, 9, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const bool bar = arrow == Arrow::First || arrow == Arrow::Last;
    {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const int tipX = bar ? 2 : 1;
        painter.drawPolygon(QPolygon({QPoint(tipX, 4), QPoint(tipX + 4, 0), QPoint(tipX + 4, 8)}));
        if (bar) {
            painter.fillRect(0, 0, 1, 9, Qt::black);
        }
    }
    const bool left = arrow == Arrow::First || arrow == Arrow::Previous;
    return QPixmap::fromImage(left ? image : image.mirrored(true, false));
}

constexpr int kButtonWidth = 18;

} // namespace

DataControl::DataControl(MessageSink& messages, JetTableReader& reader, QWidget* parent)
    : QWidget(parent), messages_(messages), caption_(new PlainLabel({}, this)), reader_(reader) {
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const struct {
        const char* name;
        Arrow arrow;
        void (DataControl::*move)();
    } kButtons[] = {{"First", Arrow::First, &DataControl::moveFirst},
                    {"Previous", Arrow::Previous, &DataControl::movePrevious},
                    {"Next", Arrow::Next, &DataControl::moveNext},
                    {"Last", Arrow::Last, &DataControl::moveLast}};
    for (const auto& spec : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setIcon(arrowPixmap(spec.arrow));
        button->setIconSize(QSize(9, 9));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        QObject::connect(button, &QToolButton::clicked, this, spec.move);
        buttons_.push_back(button);
    }
    layoutButtons();
}

DataControl::~DataControl() {
    // A read given up ends its reader.
    if (reading_) {
        reader_.cancel();
    }
}

void DataControl::setCaption(const QString& caption) {
    caption_->setText(caption);
}

QString DataControl::caption() const {
    return caption_->text();
}

QToolButton* DataControl::button(int which) const {
    if (which < 0 || which >= static_cast<int>(buttons_.size())) {
        return nullptr;
    }
    return buttons_[static_cast<std::size_t>(which)];
}

void DataControl::bind(QLabel* label, const QString& field) {
    rows_.bind(field);
    labels_.push_back(label);
    if (isOpen()) {
        refresh();
    }
}

void DataControl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The control opens by itself once the window around it has been shown.
    if (!opened_ && !openQueued_) {
        openQueued_ = true;
        QTimer::singleShot(0, this, &DataControl::open);
    }
}

void DataControl::open() {
    if (opened_) {
        return;
    }
    opened_ = true;
    reading_ = true;
    QObject::connect(&reader_, &JetTableReader::finished, this, &DataControl::takeTable,
                     Qt::SingleShotConnection);
    reader_.start(databaseName_, recordSource_);
    busyWindow_ = window();
    busyWindow_->setCursor(Qt::BusyCursor);
}

void DataControl::takeTable() {
    JetReadResult result = reader_.takeResult();
    reading_ = false;
    if (busyWindow_) {
        busyWindow_->unsetCursor();
    }
    if (!result.ok()) {
        messages_.showDataError(result.message);
    } else {
        rows_.setTable(std::move(result.table));
        reportMissingFields();
        moved(rows_.moveFirst());
    }
    emit readFinished();
}

void DataControl::reportMissingFields() {
    constexpr int kNamesShown = 5;
    const QStringList missing = rows_.missingFields();
    if (!missing.isEmpty()) {
        messages_.showDataError(JetReadResult::missingFieldsMessage(
            LocalPath::forDisplay(databaseName_), recordSource_, static_cast<int>(missing.size()),
            static_cast<int>(rows_.boundFields().size()), missing.mid(0, kNamesShown)));
    }
}

void DataControl::moveFirst() {
    moved(rows_.moveFirst());
}
void DataControl::movePrevious() {
    moved(rows_.movePrevious());
}
void DataControl::moveNext() {
    moved(rows_.moveNext());
}
void DataControl::moveLast() {
    moved(rows_.moveLast());
}

void DataControl::moved(bool changed) {
    if (!changed) {
        return;
    }
    refresh();
    emit currentRowChanged(rows_.currentRow());
}

void DataControl::refresh() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const QString* value = rows_.value(static_cast<int>(i));
        if (labels_[i] && value != nullptr) {
            labels_[i]->setText(oneLine(*value));
        }
    }
}

void DataControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutButtons();
}

void DataControl::layoutButtons() {
    const int h = height();
    const int w = width();
    buttons_[0]->setGeometry(0, 0, kButtonWidth, h);
    buttons_[1]->setGeometry(kButtonWidth, 0, kButtonWidth, h);
    buttons_[2]->setGeometry(w - 2 * kButtonWidth, 0, kButtonWidth, h);
    buttons_[3]->setGeometry(w - kButtonWidth, 0, kButtonWidth, h);
    caption_->setGeometry(2 * kButtonWidth + 1, 1, std::max(0, w - 4 * kButtonWidth - 2),
                          std::max(0, h - 2));
}

void DataControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect strip = rect().adjusted(2 * kButtonWidth, 0, -2 * kButtonWidth - 1, -1);
    painter.fillRect(strip, palette().window());
    painter.setPen(palette().dark().color());
    painter.drawRect(strip);
}

} // namespace tavrin
