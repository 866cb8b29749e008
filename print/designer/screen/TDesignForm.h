#pragma once

#include "core/messages/MessageReceiver.h"

#include <QSqlDatabase>
#include <QWidget>

class DataField;
class DataSet;
class DataSource;
class DesignPage;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// 模板设计 (menu 20035): makes, names, copies, saves and deletes bill templates, gives them a
// picture, an icon, a data table and a paper offset, and exchanges them as packages. The page
// shows the picture with the template's fields; the template panel beside it edits the
// p_NoteList row while no field is selected.
class TDesignForm : public QWidget, public MessageReceiver
{
    Q_OBJECT

public:
    explicit TDesignForm(QWidget *owner);
    ~TDesignForm() override;

    const QString &currentNoteName() const { return m_noteName; }
    QString currentRefNo() const;
    DataSet *header() const { return m_header; }
    DesignPage *page() const { return m_page; }

    // Opens a template by name (empty: the empty page); unsaved field changes are dropped.
    void OpenDesignNote(const QString &noteName);

    void BtnNewClick();
    void RenameButtonClick();
    void CopyButtonClick();
    void BtnSaveClick();
    void BtnDelClick();
    void BtnRefreshClick();
    void BtnExportClick();
    void BtnImportClick();
    void BtnEntryClick();
    void ImgBrowseButtonClick();
    void IconBrowseButtonClick();
    void ImgFileDblClick();
    void IconFileDblClick();

    void WndProc(const WindowMessage &message) override;

    QPushButton *BtnNew, *CopyButton, *BtnSave, *BtnDel, *btnExit, *BtnExport, *BtnImport, *BtnRefresh, *BtnEntry;
    QComboBox *NoteListBox;
    QFrame *pnlMain;
    QWidget *pnlDetail;
    QLineEdit *NoteNameEdit, *NoteTypeEdit, *NoteNameTypeEdit, *XmoveEdit, *YmoveEdit, *ImgFileEdit, *SmallPicEdit;
    QPushButton *RenameButton, *ImgBrowseButton, *IconBrowseButton;
    QComboBox *DataTableBox, *DefaultBox;
    QCheckBox *LockFlatCheckBox;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeTopBar();
    QFrame *makeTemplatePanel();
    void openHeader(const QString &noteName);
    void fillTemplateList(const QString &noteName);
    void headerFieldChanged(DataField *field);
    void colourPictureBox();
    void setTemplatePanelEnabled(bool enabled);
    bool hasTemplate() const;
    bool hasUnsavedChanges() const;
    bool saveTemplate();
    void importPicture();
    void rereadPictureResolution();
    void sendRefreshToMainPage(const QString &refNo);

    QSqlDatabase m_db;
    QString m_userId;
    QString m_noteName;
    DataSet *m_header;
    DataSource *m_headerSource;
    DesignPage *m_page;
    QStackedWidget *m_sidePanel;
    bool m_shownOnce = false;
    bool m_loading = false;  // the template list follows the user only while true
};
