#include "gui/progress/TProcStepForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {
const char *const kCaption = "正在处理,请稍候";
constexpr int kWidth = 343;
constexpr int kHeight = 62;
}

TProcStepForm::TProcStepForm(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ProcStepForm"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, QColor(0x87, 0xCE, 0xEB));
    sky.setColor(QPalette::WindowText, Qt::white);
    setPalette(sky);

    auto *title = new QLabel(QString::fromUtf8(kCaption), this);
    title->setGeometry(8, 4, kWidth - 16, 18);

    m_stepLabel = new QLabel(this);
    m_stepLabel->setObjectName(QStringLiteral("lblProcessingLabel"));
    QFont stepFont = m_stepLabel->font();
    stepFont.setPixelSize(15);
    m_stepLabel->setFont(stepFont);
    m_stepLabel->setGeometry(8, 22, kWidth - 16, 20);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 0);
    m_progressBar->setGeometry(1, kHeight - 17 - 1, 341, 17);

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TProcStepForm::SetMax(int maximum)
{
    m_progressBar->setMaximum(maximum);
}

void TProcStepForm::StartShow()
{
    setCursor(Qt::WaitCursor);
    m_progressBar->setValue(0);
    m_stepLabel->clear();
    show();
    repaint();
    m_busy = true;
}

void TProcStepForm::IncStep(const QString &text)
{
    const int maximum = m_progressBar->maximum();
    if (maximum == 0)
        return;
    m_stepLabel->setText(text);
    int next = m_progressBar->value() + 1;
    if (next >= maximum)
        next %= maximum;
    m_progressBar->setValue(next);
    repaint();
}

void TProcStepForm::EndShow()
{
    unsetCursor();
    m_progressBar->setValue(m_progressBar->maximum());
    hide();
    m_stepLabel->clear();
    m_busy = false;
}

int TProcStepForm::position() const
{
    return m_progressBar->value();
}

int TProcStepForm::maximum() const
{
    return m_progressBar->maximum();
}

QString TProcStepForm::stepText() const
{
    return m_stepLabel->text();
}

void TProcStepForm::closeEvent(QCloseEvent *event)
{
    if (m_busy)
        event->ignore();
    else
        event->accept();
}
