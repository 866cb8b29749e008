#pragma once

#include <QList>

class DataSet;
class QWidget;

// Controls that follow their data set's state carry the dynamic property "tag" = 100.
inline constexpr int kFormControlTag = 100;

// Gives every marked data-entry control of the form (or the listed controls) the look of the
// data set's state: while it is edited or inserted the controls are writable, reached by Tab
// and coloured as highlighted text (edit boxes); while it is browsed they are read-only, out
// of the Tab order and light grey (0xEFEFEF). Line edits' buttons (actions) work only while
// editing; check boxes and radio buttons keep their colour; data grids switch between the
// edit and browse option sets. Every control it touches is enabled; others stay as they are.
void SetFormControlStatus(const DataSet &dataSet, QWidget *form);
void SetFormControlStatus(const DataSet &dataSet, const QList<QWidget *> &controls);
