#pragma once

#include <QLabel>

// The status pane that shows the outcome of the version check. Its tag says which vendor page
// a double click opens.
class VersionPane : public QLabel
{
    Q_OBJECT

public:
    explicit VersionPane(const QString &text, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
};
