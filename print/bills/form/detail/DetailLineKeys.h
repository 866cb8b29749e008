#pragma once

#include <QObject>

class QAbstractItemView;

// New lines of a detail grid from the keyboard: Insert adds a line at the cursor, Down on the
// last line adds one below it, and typing into a grid without lines starts the first one with
// the typed character. The form decides whether a line may be added (an audited bill: no).
// Escape outside a cell editor asks for the current line to be dropped when it is untouched.
class DetailLineKeys : public QObject
{
    Q_OBJECT

public:
    enum class Where { AtCursor, AtEnd };

    explicit DetailLineKeys(QAbstractItemView *grid);

Q_SIGNALS:
    // The handler adds the line and makes it current; `added` says whether it did.
    void lineWanted(DetailLineKeys::Where where, bool *added);
    // Escape: the handler drops the current line if it is new and nothing was typed into it.
    void dropWanted(bool *dropped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *m_grid;
};
