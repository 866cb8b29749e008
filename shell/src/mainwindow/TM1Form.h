#pragma once

#include <QMainWindow>

class QMdiArea;

// The main window: a multiple-document frame. Created hidden before the login.
class TM1Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit TM1Form(QWidget *parent = nullptr);

    QMdiArea *mdiArea() const { return m_mdiArea; }

private:
    QMdiArea *m_mdiArea;
};
