// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TableRows.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QLabel;
class QToolButton;

namespace tavrin {

class JetTableReader;
class MessageSink;

// The data control: a strip with the arrow buttons first and previous at its
// left end, next and last at its right end and its caption between them. It
// opens the table named by its record source in the Jet file named by its
// database name, read only, once it is first shown, and fills every label
// bound to it with the current row's value of the label's field, on one line:
// a line break in the value (CR LF, LF, CR, VT, FF, NEL, LS or PS) shows as
// one space. Fields are found by name whatever its case, as the Jet engine
// does; a label whose field the table lacks keeps its own text, and those
// fields are reported once. The table is read without holding up the event
// loop; a busy cursor stands over the window meanwhile.
// The rows, the current row and the bindings are a TableRows; the control
// paints the strip, runs the read, reports and fills the labels.
class DataControl : public QWidget {
    Q_OBJECT
public:
    // Reads through `reader`, which it shares with nobody while it reads.
    DataControl(MessageSink& messages, JetTableReader& reader, QWidget* parent = nullptr);
    ~DataControl() override;

    void setCaption(const QString& caption);
    QString caption() const;
    void setConnect(const QString& connect) { connect_ = connect; }
    QString connect() const { return connect_; }
    void setDatabaseName(const QString& path) { databaseName_ = path; }
    QString databaseName() const { return databaseName_; }
    void setRecordSource(const QString& table) { recordSource_ = table; }
    QString recordSource() const { return recordSource_; }

    // Binds `label` to `field`; it shows its own text until a row fills it.
    void bind(QLabel* label, const QString& field);

    bool isOpen() const { return opened_ && !rows_.isEmpty(); }
    bool isReading() const { return reading_; }
    int currentRow() const { return rows_.currentRow(); } // -1 while no row is current
    int rowCount() const { return rows_.rowCount(); }
    const TableData& table() const { return rows_.table(); }

    QToolButton* button(int which) const; // 0 first, 1 previous, 2 next, 3 last

public slots:
    // Opens the database and the table and makes the first row current. Only
    // the first call opens; a file that cannot be read is reported once.
    void open();
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();

signals:
    void currentRowChanged(int row);
    void readFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void takeTable();
    void reportMissingFields();
    void moved(bool changed);
    void refresh();
    void layoutButtons();

    MessageSink& messages_;
    QString connect_;
    QString databaseName_;
    QString recordSource_;
    QLabel* caption_;
    std::vector<QToolButton*> buttons_;
    // The label of each of the rows' bindings, by its number.
    std::vector<QPointer<QLabel>> labels_;
    TableRows rows_;
    JetTableReader& reader_;
    bool reading_ = false;
    QPointer<QWidget> busyWindow_;
    bool opened_ = false;
    bool openQueued_ = false;
};

} // namespace tavrin
