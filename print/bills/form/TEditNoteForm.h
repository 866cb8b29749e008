#pragma once

#include "bills/form/BillButtonStates.h"
#include "bills/printing/BillPrintEngine.h"

#include <memory>
#include <optional>
#include "bills/form/layout/FormatLayoutStore.h"
#include "bills/form/layout/PageOffset.h"
#include "bills/form/layout/PageZoom.h"
#include "core/template/TemplateDocument.h"
#include "core/dbfun/BillFieldFill.h"
#include "core/messages/MessageReceiver.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <functional>
#include <map>
#include <QPointer>
#include <QWidget>

class DataField;
class DataGrid;
class DataSet;
class DataSource;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QMenu;
class QScrollArea;
class QToolButton;
class PageNudgeKeys;
class VendorPagePanel;
class TavFieldLink;
class TtavCurrencyLabel;
class TtavDBCurrencyEdit;
struct ConvertedBill;

// The bill form: one bill of a format filled in over the picture of its paper form. A format
// (template) gives the picture, the data table and one entry control per placed field; the
// bill is a row of the data table (the header) with the rows of its detail grids.
class TEditNoteForm : public QWidget, public MessageReceiver
{
    Q_OBJECT

public:
    explicit TEditNoteForm(QWidget *owner = nullptr);
    ~TEditNoteForm() override;

    void WndProc(const WindowMessage &message) override;

    // Opens the format and builds its surface. openNewest: show the newest bill of the format;
    // billId: then open that bill (0: none); rebind: move the current bill to this format;
    // refreshList: refill the saved-bills list.
    void CreateEditForm(const QString &noteName, bool openNewest, qint64 billId, bool rebind, bool refreshList);
    // The header row with that id; -1: an empty header.
    void OpenMainTable(qint64 id);
    // Reopens every detail grid on the current header row.
    void QueryHeaAfterScroll();
    // The drop-down of the surface bound to the field (letter case ignored), or nullptr.
    QComboBox *FindCompByFieldName(const QString &name) const;
    void SetDropDownCityValue();
    void SetGridTitleCenter();
    void ChangeEditPosition();

    DataSet *header() const { return QueryHea; }
    DataSet *savedBills() const { return SelQuery; }
    QWidget *page() const { return pnlPage; }
    const TemplateNote &format() const { return m_format.note; }
    const QString &baseKind() const { return m_baseKind; }
    int gridCount() const { return int(m_grids.size()); }
    DataGrid *detailGrid(int index) const { return m_grids.at(index).grid; }
    DataSet *detailQuery(int index) const { return m_grids.at(index).query; }
    double zoomFactor() const { return m_zoom.factor(); }
    QScrollArea *pageScrollBox() const { return PanelScrollBox; }
    int leftMargin() const;
    int topMargin() const;
    PageNudgeKeys *nudgeKeys() const { return m_nudgeKeys; }
    // The format menu of 套打 and 预览 while it is open.
    QMenu *formatMenu() const { return PopupMenuPrint; }

    // The button bar.
    QPushButton *BtnNew, *BtnCancel, *BtnSave, *BtnEdit, *BtnDel, *CopyButton, *BtnPrint, *DesignBtn, *QueryBtn,
        *PreviewFlatButton, *PostButton, *RecheckButton, *FrPrintBtn, *DisButton, *ConvertButton, *CkdFlatButton,
        *btnExit, *ChequeRegisterButton;
    // The vendor's pages at the right and the bottom; hidden while the network is not up.
    VendorPagePanel *WebBrowserLeft, *WebBrowserBottom;
    // The saved-bill list's buttons: previous, next, zoom in, zoom out, restore.
    QToolButton *Image1, *Image2, *Image4, *Image3, *Image5;
    QComboBox *NoteTypeComboBox, *NoteListComboBox;
    QCheckBox *ChangeCheckBox;
    QLineEdit *XShiftEdit, *YShiftEdit, *XPanelPosEdit;
    QLabel *PostImage, *DisImage;

    enum class PrintAction { Overlay, Preview, Report, PreviewPrint, Batch };
    Q_ENUM(PrintAction)

Q_SIGNALS:
    // 套打, 预览, 打印 and the preview window's print request: handled by the print engine.
    void printRequested(TEditNoteForm::PrintAction action);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct DetailGrid
    {
        DataGrid *grid = nullptr;
        DataSet *query = nullptr;
        DataSource *source = nullptr;
        QString table;
        int tag = 0;
        QString formula;
    };

    // Creation and layout (TEditNoteForm.cpp).
    QWidget *buildButtonBar();
    QWidget *buildTopPanel();
    QWidget *buildSavedBillsPanel();
    QWidget *buildCentre();
    void openRefNo(qint64 refNo);
    void fillFormatPickers(const QString &category, const QString &noteName);
    void formatPicked();
    void categoryPicked();
    void switchBillFormat();

    // Amounts and focus (TEditNoteFormAmountGuard.cpp).
    bool amountHasCapitals(const QString &field) const;
    QString amountFieldOf(const QObject *control) const;
    bool refusesMinusKey(QObject *watched, QEvent *event);
    QString amountRangeRefusal() const;
    void guardAmountBoxes();
    void focusFirstField();

    // Detail lines (TEditNoteFormDetailLines.cpp).
    void setUpDetailGrid(int index, const QList<TemplateField> &columns);
    bool detailLinesLocked() const;
    bool addDetailLine(int index, bool atCursor);
    void deleteDetailLine(int index);
    bool dropUntouchedLine(int index);
    void GridOnEditBtnClick(int index, const TemplateField &column);
    void finishGridEditing(bool commit);

    // Bills made from the bill shown (TEditNoteFormConversions.cpp).
    bool hasBillRow() const;
    qint64 currentBillId() const;
    void showConvertedBill(const ConvertedBill &bill);
    void ConvertButtonClick();
    void CopyButtonClick();
    void CkdFlatButtonClick();

    // Fitting the page (TEditNoteFormLayout.cpp).
    enum class ZoomStep { In, Out, Restore };
    QWidget *buildListButtons();
    VendorPagePanel *buildWebPanel(const char *pathPattern, const char *name, QSize fixed);
    void SetnavPanel();
    void setUpPageLayout();
    bool offsetEditKeyReleased(QObject *watched, QEvent *event);
    void offsetTyped(OffsetAxis axis, const QString &text, bool movePage);
    void offsetEntryFinished(OffsetAxis axis);
    void nudgePage(NudgeDirection direction);
    void showFormatLayout();
    void placePage();
    void rememberBaseGeometry();
    void applyZoom();
    void zoomPage(ZoomStep step);
    void openSavedBill();
    void stepSavedBill(int step);

    // The surface (TEditNoteFormSurface.cpp).
    void RemoveFormAllComponent();
    void releaseDetailGrids();
    void showBackground();
    void buildControl(const TemplateField &field);
    bool isTableColumn(const QString &column) const;
    void bindOrMarkMissing(QWidget *control, const TemplateField &field, const std::function<void()> &bind);
    QWidget *createEditor(const TemplateField &field);
    QWidget *createDropDown(const TemplateField &field);
    QWidget *createDateEdit(const TemplateField &field);
    QWidget *createCheckGroup(const TemplateField &field);
    QWidget *createAmountBox(const TemplateField &field);
    QWidget *createSpacedString(const TemplateField &field);
    QWidget *createMultiTick(const TemplateField &field, int tickKind);
    void createDetailGrid(const TemplateField &field);
    void refreshRecordDisplay();
    void indexControl(QWidget *control);
    QList<QWidget *> controlsOf(const DataField *field) const;

    // Field entry (TEditNoteFormEntry.cpp).
    void HsrcDataChange(DataField *field);
    void QueryHeaFieldChanged(DataField *field);
    void TavCurrencyChange(DataField *field);
    void TableStrFieldChange(DataField *field);
    void fillSpacedString(TtavCurrencyLabel *label, const QString &text);
    void TavEditEnter(TtavCurrencyLabel *label);
    void AmountEditClick(QLineEdit *edit);
    void AmountEditOnExit(QLineEdit *edit);
    void MultiCheckClick(QCheckBox *box);
    void MultiCheckClick2(QCheckBox *box);
    void SetMultiCheckValue();
    void refillCities(QComboBox *province);
    void RzDbEditButtonClick(QLineEdit *edit);
    void DtlTableNewRecord(const DetailGrid &grid);
    void DtlTableAfterPost(const DetailGrid &grid);
    bool DetailDataUpdate(const DetailGrid &grid);
    bool headerEdit();

    // Printing (TEditNoteFormPrinting.cpp): 套打, 预览, the preview's request and batches.
    void printBill(PrintAction action);
    bool refuseEmptyBill();
    void showFormatMenu(PrintAction action, const QStringList &formats);
    void printWithFormat(PrintAction action, const QString &noteName, bool autoSave);
    BillData billData() const;
    void printBatch(const QString &noteName);
    BillPrintEngine &printEngine();
    std::unique_ptr<BillPrintEngine> m_printEngine;
    // 打印 (TEditNoteFormReport.cpp): the bill handed to the report list.
    void FrPrintBtnClick();

    // Record lifecycle (TEditNoteFormLifecycle.cpp).
    void btnNewClick();
    void btnEditClick();
    void btnSaveClick();
    void btnDelClick();
    void btnCancelClick();
    void PostButtonClick();
    void RecheckButtonClick();
    void DisButtonClick();
    void postBill(int sign);
    void QueryHeaNewRecord();
    bool QueryHeaBeforeEdit();
    bool HsrcUpdateData();
    void RefreshQueryForm();
    void reopenSavedBills();
    bool isRowOfFormat(const QString &noteName, const QString &category) const;
    bool isCurrentRowOfFormat() const;
    bool isBillOfFormat(qint64 id) const;

    // Button states and stamps (TEditNoteFormStates.cpp): updateBillStates sets them all;
    // followBillStates only when what they depend on changed since.
    BillStateInput billStateInput() const;
    void updateBillStates();
    void followBillStates();
    std::optional<BillStateInput> m_shownStates;

    QSqlDatabase connection() const;

    DataSet *QueryHea;
    DataSource *Hsrc;
    DataSet *SelQuery;
    DataGrid *SelDBGrid;
    QWidget *DataListPanel;
    QWidget *buttonBar;
    QWidget *TopPanel;
    QWidget *centre;
    QScrollArea *PanelScrollBox;
    QWidget *pnlPage;
    QLabel *imgBack;
    QFrame *LeftMarginShape;
    QFrame *TopMarginShape;

    TemplateDocument m_format;
    bool m_formatExists = false;
    QString m_baseKind;
    PageZoom m_zoom;
    PageOffset m_offset;
    bool m_minusExplained = false;  // the refused "-" in an amount was explained once
    // The offsets as they were when the clerk began typing into an offset box.
    PageOffset m_offsetBeforeEntry;
    PageNudgeKeys *m_nudgeKeys = nullptr;
    QMenu *PopupMenuPrint = nullptr;
    QList<DetailGrid> m_grids;
    QPointer<QLineEdit> m_amountEntryEdit;
    int m_amountBoxCounter = 0;
    bool m_ready = true;
    // The derived-column rules of each data table, read when the format opens and again when
    // a designer may have changed them (the form shown again, the refresh message), never at
    // a key.
    std::map<QString, BillFieldFill> m_fills;
    const BillFieldFill &fillOf(const QString &table);
    void readFieldRules();
    // The amount boxes, spaced strings and tick boxes of the surface, in the order built,
    // under their field's case-folded name: a write reaches only the controls of its field.
    QHash<QString, QList<QPointer<QWidget>>> m_controlsByField;
    void fillDerivedColumns(DataSet &dataSet, const QString &table, DataField *changed);
    bool m_building = false;
    bool m_pickersActive = true;
};
