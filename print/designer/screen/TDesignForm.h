#pragma once

#include "core/messages/MessageReceiver.h"

#include <QSqlDatabase>
#include <QWidget>

class DataField;
class DataSet;
class DataSource;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class TAddFieldButtons;
class TDesignSurface;
class TFieldPropertyPanel;

// 模板设计 (MenuId::Designer): makes, names, copies, saves and deletes bill templates, gives them a
// picture, an icon, a data table and a paper offset, and exchanges them as packages. The page
// (the editing surface) shows the picture with the template's fields; beside it the template
// panel edits the p_NoteList row while no field is selected, the property panel the selected
// fields otherwise.
class TDesignForm : public QWidget, public MessageReceiver
{
    Q_OBJECT

public:
    explicit TDesignForm(QWidget *owner);
    ~TDesignForm() override;

    const QString &currentNoteName() const { return m_noteName; }
    QString currentRefNo() const;
    DataSet *header() const { return m_header; }
    TDesignSurface *surface() const { return m_surface; }
    TAddFieldButtons *addFieldButtons() const { return m_addButtons; }

    // Opens a template by name (empty: the empty page); unsaved field changes are dropped.
    void OpenDesignNote(const QString &noteName);

    void BtnNewClick();
    void RenameButtonClick();
    void CopyButtonClick();
    void BtnSaveClick();
    void BtnDelClick();
    void BtnRefreshClick();
    void BtnExportClick();
    // 导出 with the keys held (Shift: the key of an empty password).
    void exportPackage(Qt::KeyboardModifiers modifiers);
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
    TFieldPropertyPanel *pnlDetail;
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
    void surfaceOffsetChanged(const QPointF &offsetMm);
    void followDataTable();
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
    TDesignSurface *m_surface;
    TAddFieldButtons *m_addButtons = nullptr;
    bool m_shownOnce = false;
    bool m_movingPage = false;  // the header is moving the page: the surface's echo is no news
    bool m_loading = false;  // the template list follows the user only while true
};
