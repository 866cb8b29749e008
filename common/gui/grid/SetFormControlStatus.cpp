#include "gui/grid/SetFormControlStatus.h"

#include "core/dataset/DataSet.h"
#include "gui/grid/DataGrid.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
const QColor kBrowseColor(0xEF, 0xEF, 0xEF);

void setBase(QWidget *control, bool editing)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, editing ? QApplication::palette().color(QPalette::HighlightedText) : kBrowseColor);
    control->setPalette(palette);
}

void setTabStop(QWidget *control, bool tabStop)
{
    control->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

// A control without a read-only switch of its own: clicks and keys do not reach it.
void setUntouchable(QWidget *control, bool untouchable)
{
    control->setAttribute(Qt::WA_TransparentForMouseEvents, untouchable);
    control->setFocusPolicy(untouchable ? Qt::NoFocus : Qt::StrongFocus);
}

void applyTo(QWidget *control, bool editing)
{
    if (auto *grid = qobject_cast<DataGrid *>(control)) {
        control->setEnabled(true);
        grid->setOptions(editing ? DBGridEditMode : DBGridBrowseMode);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setReadOnly(!editing);
        for (QAction *action : edit->actions())
            action->setEnabled(editing);
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
        spin->setReadOnly(!editing);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setReadOnly(!editing);
    } else if (auto *text = qobject_cast<QTextEdit *>(control)) {
        text->setReadOnly(!editing);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (combo->lineEdit())
            combo->lineEdit()->setReadOnly(!editing);
        else
            setUntouchable(combo, !editing);
    } else if (qobject_cast<QAbstractButton *>(control)) {
        control->setEnabled(true);
        setUntouchable(control, !editing);
        return;
    } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
        control->setEnabled(true);
        for (QAbstractButton *button : group->findChildren<QAbstractButton *>())
            setUntouchable(button, !editing);
        return;
    } else {
        return;  // not a data-entry control
    }
    control->setEnabled(true);
    setBase(control, editing);
    setTabStop(control, editing);
}
}

void SetFormControlStatus(const DataSet &dataSet, QWidget *form)
{
    QList<QWidget *> marked;
    for (QWidget *control : form->findChildren<QWidget *>())
        if (control->property("tag").toInt() == kFormControlTag)
            marked.append(control);
    SetFormControlStatus(dataSet, marked);
}

void SetFormControlStatus(const DataSet &dataSet, const QList<QWidget *> &controls)
{
    const bool editing = dataSet.isEditing();
    for (QWidget *control : controls)
        applyTo(control, editing);
}
