// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/data/dataset.h"

#include <QLineEdit>
#include <QPointer>
#include <QTableView>

class QGroupBox;
class QToolButton;
class ReferenceData;

// The controls of the reference lists, each bound to one data set. The window may end its
// data sets before its controls, so they hold them weakly.

// A read-only grid of a data set's records: a title row, an indicator column marking the
// current record and whether it is being edited or inserted, lines, columns resized by
// dragging. Clicking a row or moving with the keyboard moves the data set; the grid always
// shows the data set's current record, also after a store that failed.
class ReferenceGrid : public QTableView {
    Q_OBJECT
public:
    ReferenceGrid(QWidget* parent, DataSet* dataSet, const QStringList& columns,
                  const QList<int>& widths, bool boldTitles);

protected:
    bool viewportEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Hands a row the user chose to the data set.
    void moveDataSet();
    void followDataSet();

    QPointer<DataSet> m_dataSet;
};

// An edit field bound to a field of the current record. A change the user makes starts
// editing and goes to the record at once, so the record holds the text whenever the focus
// leaves or the record is stored. Read-only while the data set takes no changes.
class ReferenceField : public QLineEdit {
    Q_OBJECT
public:
    ReferenceField(QWidget* parent, DataSet* dataSet, const QString& field);

private:
    void showField();

    QPointer<DataSet> m_dataSet;
    QString m_field;
    bool m_handingOver = false;
};

// Nine buttons, First to Cancel, that never take the focus; each is available by the data
// set's state. Tooltips only when asked for.
class ReferenceNavigator : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kButtonSize{23, 22};

    ReferenceNavigator(QWidget* parent, DataSet* dataSet, bool showHints);
    QToolButton* button(NavigatorButton which) const;

private:
    void press(NavigatorButton which);
    bool confirm(const QString& question);
    void updateButtons();

    QPointer<DataSet> m_dataSet;
    QList<QToolButton*> m_buttons;
};

// Fills the Settings window's three group boxes with the lists of `data`: the two
// management-console lists with grid, edit fields and navigator, the Run commands with a grid.
void buildReferenceLists(ReferenceData& data, QGroupBox* windowsBox, QGroupBox* serverBox,
                         QGroupBox* runCommandsBox);
