#include "designer/screen/TGetNoteNameForm.h"

#include "designer/screen/TemplateOperations.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TGetNoteNameForm::TGetNoteNameForm(const QSqlDatabase &db, QWidget *owner, const NoteNameChoice &given,
                                   const QString &refNo, NoteNameMode mode)
    : QDialog(owner), CategoryEdit(new QLineEdit(given.category, this)), NameEdit(new QLineEdit(given.name, this)),
      KindBox(new QComboBox(this)), OkButton(new QPushButton(QStringLiteral("确定"), this)),
      CancelButton(new QPushButton(QStringLiteral("取消"), this)), m_db(db), m_refNo(refNo), m_mode(mode)
{
    setWindowTitle(QStringLiteral("输入单据名称"));
    setObjectName(QStringLiteral("GetNoteNameForm"));
    CategoryEdit->setObjectName(QStringLiteral("CategoryEdit"));
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    KindBox->setObjectName(QStringLiteral("KindBox"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("单据分类"), CategoryEdit);
    form->addRow(QStringLiteral("单据名称"), NameEdit);
    form->addRow(QStringLiteral("单据类别"), KindBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    KindBox->addItems(TemplateOperations(m_db).kinds());
    const int kindIndex = KindBox->findText(given.kind);
    if (kindIndex >= 0)
        KindBox->setCurrentIndex(kindIndex);
    KindBox->setEnabled(mode == NoteNameMode::New);

    CategoryEdit->installEventFilter(this);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &TGetNoteNameForm::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

NoteNameChoice TGetNoteNameForm::choice() const
{
    return {NameEdit->text().trimmed(), CategoryEdit->text().trimmed(), KindBox->currentText()};
}

bool TGetNoteNameForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CategoryEdit && event->type() == QEvent::FocusOut && NameEdit->text().trimmed().isEmpty())
        NameEdit->setText(CategoryEdit->text());
    return QDialog::eventFilter(watched, event);
}

void TGetNoteNameForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget()) {
        const QWidget *main = parentWidget()->window();
        move(main->geometry().center() - rect().center());
    }
    QTimer::singleShot(0, CategoryEdit, [this] { CategoryEdit->setFocus(); });
}

void TGetNoteNameForm::OkButtonClick()
{
    const QString fault = TemplateOperations(m_db).nameFault(m_mode, NameEdit->text(), m_refNo);
    if (!fault.isEmpty()) {
        ShowMsgHint(fault);
        return;
    }
    accept();
}
