// The designer's template operations: open, new, rename, copy, save, delete, refresh.
#include "designer/screen/TDesignForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowMessages.h"
#include "designer/screen/GetNoteName.h"
#include "designer/screen/TemplateOperations.h"
#include "designer/surface/TDesignSurface.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/MessageSeam.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QSignalBlocker>

void TDesignForm::OpenDesignNote(const QString &noteName)
{
    setTemplatePanelEnabled(true);
    m_surface->clearPage();
    m_loading = false;
    fillTemplateList(noteName);
    m_noteName = noteName;
    openHeader(noteName);
    if (hasTemplate())
        m_surface->openTemplate(currentRefNo());
    colourPictureBox();
    m_loading = true;
}

void TDesignForm::openHeader(const QString &noteName)
{
    m_header->close();
    m_header->setSql(QStringLiteral("select * from p_NoteList where NoteName = ?"), {noteName});
    m_header->open();
}

void TDesignForm::fillTemplateList(const QString &noteName)
{
    const QSignalBlocker blocker(NoteListBox);
    NoteListBox->clear();
    NoteListBox->addItems(TemplateOperations(m_db).formatsOfSameCategory(noteName));
    NoteListBox->setCurrentIndex(noteName.isEmpty() ? -1 : NoteListBox->findText(noteName));
}

void TDesignForm::BtnNewClick()
{
    const std::optional<NoteNameChoice> choice = GetPrtNoteNameAndType(m_db, this, {}, QString(), NoteNameMode::New);
    if (!choice)
        return;
    TemplateOperations(m_db).newTemplate(*choice, m_userId, QDate::currentDate());
    OpenDesignNote(choice->name);
}

void TDesignForm::RenameButtonClick()
{
    if (!hasTemplate())
        return;
    const NoteNameChoice given{m_header->fieldByName(QStringLiteral("NoteName"))->asString(),
                               m_header->fieldByName(QStringLiteral("NoteNameType"))->asString(),
                               m_header->fieldByName(QStringLiteral("NoteType"))->asString()};
    const QString refNo = currentRefNo();
    const std::optional<NoteNameChoice> choice = GetPrtNoteNameAndType(m_db, this, given, refNo, NoteNameMode::Rename);
    if (!choice || !TemplateOperations(m_db).rename(refNo, *choice))
        return;
    // The page keeps its unsaved fields; only the row and the list follow the new name.
    m_loading = false;
    m_noteName = choice->name;
    fillTemplateList(m_noteName);
    openHeader(m_noteName);
    colourPictureBox();
    m_loading = true;
    followDataTable();  // the kind's table again
}

void TDesignForm::CopyButtonClick()
{
    if (!hasTemplate())
        return;
    const NoteNameChoice given{m_noteName + QStringLiteral("_2"),
                               m_header->fieldByName(QStringLiteral("NoteNameType"))->asString(),
                               m_header->fieldByName(QStringLiteral("NoteType"))->asString()};
    const std::optional<NoteNameChoice> choice = GetPrtNoteNameAndType(m_db, this, given, QString(), NoteNameMode::Copy);
    if (!choice)
        return;
    const TemplateOperations operations(m_db);
    if (operations.nameExists(choice->name)) {
        MessageRequest refusal;
        refusal.title = QStringLiteral("提示");
        refusal.text = QStringLiteral("单据名称已经存在，不能重复");
        MessageSeam::ask(refusal);
        return;
    }
    if (operations.copyNote(m_noteName, *choice) == 0)
        return;
    OpenDesignNote(choice->name);
    importPicture();  // the copy gets a picture of its own
}

bool TDesignForm::saveTemplate()
{
    if (!hasTemplate())
        return false;
    try {
        TemplateOperations(m_db).save(*m_header, [this] { m_surface->writeFieldBatch(); });
    } catch (const CorvaneError &) {
        // Nothing was written: show the row as it is stored.
        if (m_header->isEditing())
            m_header->cancel();
        m_header->requery();
        throw;
    }
    m_header->requery();
    followDataTable();
    sendRefreshToMainPage(currentRefNo());
    return true;
}

void TDesignForm::BtnSaveClick()
{
    saveTemplate();
}

void TDesignForm::BtnDelClick()
{
    if (!hasTemplate())
        return;
    const TemplateOperations operations(m_db);
    const QString refNo = operations.refNoOf(m_noteName);
    const qint64 bills = operations.billsMadeWith(refNo);
    if (bills == 0) {
        if (!Confirm(QStringLiteral("确认删除?")))
            return;
    } else {
        // Bills of the template cannot be opened or printed without it: the question says so,
        // and pressing Enter keeps the template.
        MessageRequest question;
        question.icon = QMessageBox::Warning;
        question.title = QStringLiteral("确认删除");
        question.text = QStringLiteral("单据格式“%1”已有%2张单据使用，删除后这些单据将不能再打开或打印。\n确认删除?")
                            .arg(m_noteName)
                            .arg(bills);
        question.buttons = QMessageBox::Yes | QMessageBox::No;
        question.defaultButton = QMessageBox::No;
        if (MessageSeam::ask(question) != QMessageBox::Yes)
            return;
    }
    if (!operations.deleteTemplate(refNo))
        return;
    m_loading = false;
    const int index = NoteListBox->findText(m_noteName);
    if (index >= 0)
        NoteListBox->removeItem(index);
    NoteListBox->setCurrentIndex(-1);
    m_noteName.clear();
    m_surface->clearPage();
    openHeader(QString());
    colourPictureBox();
    setTemplatePanelEnabled(false);
    m_loading = true;
    sendRefreshToMainPage(refNo);
}

void TDesignForm::BtnRefreshClick()
{
    OpenDesignNote(m_noteName);
}

void TDesignForm::sendRefreshToMainPage(const QString &refNo)
{
    SendMessage(MainUIWindowsHand, RegisterWindowMessage(MsgRefreshMainPage), 0, refNo.toLongLong());
}
