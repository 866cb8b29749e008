// Fitting the page to the paper and the screen: calibration offsets, the paper guide, Ctrl+arrow
// nudges, zoom, the saved-bill list and the links to the designer and the history query.
#include "bills/form/TEditNoteForm.h"

#include "bills/form/layout/FormatLayoutStore.h"
#include "bills/form/layout/PageNudgeKeys.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "core/printfun/PrintUnits.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "gui/web/VendorPagePanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {


constexpr char kBaseGeometry[] = "baseGeometry";
constexpr char kBaseFont[] = "baseFont";
constexpr char kBaseRowHeight[] = "baseRowHeight";
constexpr int kPageRoom = 20;

QToolButton *listButton(QHBoxLayout *row, QStyle::StandardPixmap icon, const QString &tip, const char *name)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setIcon(button->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
    return button;
}

QToolButton *textButton(QHBoxLayout *row, const QString &text, const QString &tip, const char *name)
{
    QToolButton *button = listButton(row, QStyle::SP_CustomBase, tip, name);
    button->setIcon(QIcon());
    button->setText(text);
    return button;
}

} // namespace

QWidget *TEditNoteForm::buildListButtons()
{
    auto *bar = new QWidget;
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    Image1 = listButton(row, QStyle::SP_ArrowUp, QStringLiteral("上一条数据"), "Image1");
    Image2 = listButton(row, QStyle::SP_ArrowDown, QStringLiteral("下一条数据"), "Image2");
    Image4 = textButton(row, QStringLiteral("＋"), QStringLiteral("录入界面放大"), "Image4");
    Image3 = textButton(row, QStringLiteral("－"), QStringLiteral("录入界面缩小"), "Image3");
    Image5 = textButton(row, QStringLiteral("1:1"), QStringLiteral("录入界面恢复原状"), "Image5");
    row->addStretch(1);
    connect(Image1, &QToolButton::clicked, this, [this] { stepSavedBill(-1); });
    connect(Image2, &QToolButton::clicked, this, [this] { stepSavedBill(1); });
    connect(Image4, &QToolButton::clicked, this, [this] { zoomPage(ZoomStep::In); });
    connect(Image3, &QToolButton::clicked, this, [this] { zoomPage(ZoomStep::Out); });
    connect(Image5, &QToolButton::clicked, this, [this] { zoomPage(ZoomStep::Restore); });
    return bar;
}

VendorPagePanel *TEditNoteForm::buildWebPanel(const char *pathPattern, const char *name, QSize fixed)
{
    auto *panel = new VendorPagePanel(QString::fromLatin1(pathPattern), this);
    panel->setObjectName(QLatin1String(name));
    if (fixed.width() > 0)
        panel->setFixedWidth(fixed.width());
    if (fixed.height() > 0)
        panel->setFixedHeight(fixed.height());
    panel->hide();
    return panel;
}

// The side pages show only while the network is reported up; the panels reload themselves.
void TEditNoteForm::SetnavPanel()
{
    for (VendorPagePanel *panel : {WebBrowserLeft, WebBrowserBottom}) {
        const bool wasShown = panel->isVisibleTo(this);
        panel->setVisible(IsNetConnected);
        if (IsNetConnected && !wasShown)
            panel->reload();
    }
    ChangeEditPosition();
}

void TEditNoteForm::setUpPageLayout()
{
    auto *Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(VendorPagePanel::kReloadMs);
    connect(Timer2, &QTimer::timeout, this, &TEditNoteForm::SetnavPanel);
    Timer2->start();
    SetnavPanel();

    XPanelPosEdit->setValidator(new QIntValidator(-99999, 99999, XPanelPosEdit));
    connect(XShiftEdit, &QLineEdit::textEdited, this, [this](const QString &text) { offsetTyped(OffsetAxis::Horizontal, text, false); });
    connect(YShiftEdit, &QLineEdit::textEdited, this, [this](const QString &text) { offsetTyped(OffsetAxis::Vertical, text, false); });
    connect(XShiftEdit, &QLineEdit::editingFinished, this, [this] { offsetEntryFinished(OffsetAxis::Horizontal); });
    connect(YShiftEdit, &QLineEdit::editingFinished, this, [this] { offsetEntryFinished(OffsetAxis::Vertical); });
    connect(XPanelPosEdit, &QLineEdit::textEdited, this, [this](const QString &text) {
        bool ok = false;
        const int position = text.toInt(&ok);
        if (ok && !m_building && m_formatExists)
            StorePaperGuide(connection(), m_format.note.noteName, position);
    });
    // The page area is what the window leaves it.
    centre->installEventFilter(this);
    XShiftEdit->installEventFilter(this);
    YShiftEdit->installEventFilter(this);

    m_nudgeKeys = new PageNudgeKeys(this);
    connect(m_nudgeKeys, &PageNudgeKeys::nudged, this, &TEditNoteForm::nudgePage);

    connect(SelDBGrid, &QAbstractItemView::doubleClicked, this, [this] { openSavedBill(); });
    connect(ChequeRegisterButton, &QPushButton::clicked, this,
            [] { SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), MenuId::ChequeRegister, 0); });
}

// Key release in an offset edit: store and move the page.
bool TEditNoteForm::offsetEditKeyReleased(QObject *watched, QEvent *event)
{
    if (watched != XShiftEdit && watched != YShiftEdit)
        return false;
    if (event->type() == QEvent::FocusIn)
        m_offsetBeforeEntry = m_offset;
    if (event->type() != QEvent::KeyRelease)
        return false;
    auto *edit = static_cast<QLineEdit *>(watched);
    offsetTyped(edit == XShiftEdit ? OffsetAxis::Horizontal : OffsetAxis::Vertical, edit->text(), true);
    return true;
}

void TEditNoteForm::offsetTyped(OffsetAxis axis, const QString &text, bool movePage)
{
    const std::optional<double> mm = OffsetFromText(text);
    if (!mm || m_building || !m_formatExists)
        return;
    (axis == OffsetAxis::Horizontal ? m_offset.xMm : m_offset.yMm) = *mm;
    StoreFormatOffset(connection(), m_format.note.noteName, axis, *mm);
    if (movePage)
        placePage();
}

// Typing stores each text that is a number as it comes. A text left that is none is taken
// back whole: the box and the format show the offset from before the entry again, and a text
// of digits, signs and points that still is no number says so.
void TEditNoteForm::offsetEntryFinished(OffsetAxis axis)
{
    QLineEdit *edit = axis == OffsetAxis::Horizontal ? XShiftEdit : YShiftEdit;
    const QString text = edit->text();
    if (m_building || !m_formatExists)
        return;
    if (const std::optional<double> mm = FinishedOffsetFromText(text)) {
        if (!OffsetFromText(text)) {
            // "3.": the number it ends as.
            (axis == OffsetAxis::Horizontal ? m_offset.xMm : m_offset.yMm) = *mm;
            StoreFormatOffset(connection(), m_format.note.noteName, axis, *mm);
            edit->setText(OffsetText(*mm));
            placePage();
        }
        m_offsetBeforeEntry = m_offset;
        return;
    }
    const double before = axis == OffsetAxis::Horizontal ? m_offsetBeforeEntry.xMm : m_offsetBeforeEntry.yMm;
    (axis == OffsetAxis::Horizontal ? m_offset.xMm : m_offset.yMm) = before;
    StoreFormatOffset(connection(), m_format.note.noteName, axis, before);
    // The box first: the message takes the focus, and the box must then hold a number.
    edit->setText(OffsetText(before));
    placePage();
    if (IsOffsetLikeText(text))
        ShowMsgWarn(QStringLiteral("“%1”不是正确的数字，偏移没有改变").arg(text));
}

void TEditNoteForm::nudgePage(NudgeDirection direction)
{
    if (!m_formatExists)
        return;
    m_offset = NudgedOffset(m_offset, direction);
    XShiftEdit->setText(OffsetText(m_offset.xMm));
    YShiftEdit->setText(OffsetText(m_offset.yMm));
    StoreFormatOffset(connection(), m_format.note.noteName, OffsetAxis::Horizontal, m_offset.xMm);
    StoreFormatOffset(connection(), m_format.note.noteName, OffsetAxis::Vertical, m_offset.yMm);
    m_offsetBeforeEntry = m_offset;
    placePage();
}

void TEditNoteForm::showFormatLayout()
{
    m_offset = {StoredOffset(m_format.note.xMove.value), StoredOffset(m_format.note.yMove.value)};
    XShiftEdit->setText(OffsetText(m_offset.xMm));
    YShiftEdit->setText(OffsetText(m_offset.yMm));
    XPanelPosEdit->setText(QString::number(m_format.note.xPanelPos.value_or(0)));
    m_offsetBeforeEntry = m_offset;
    m_zoom = PageZoom(m_format.note.zoom());
}

// One screen pixel of page movement is 0.5 mm.
void TEditNoteForm::placePage()
{
    PanelScrollBox->move(MarginToPix(m_offset.xMm) + LeftMarginShape->width(),
                         MarginToPix(m_offset.yMm) + TopMarginShape->height());
    ChangeEditPosition();
}

// Remembers what every control of a newly built surface looks like at 1.0; zooming always
// starts from there.
void TEditNoteForm::rememberBaseGeometry()
{
    // Without a picture the page is as large as its controls need.
    QRect used;
    for (QWidget *control : pnlPage->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control != PostImage && control != DisImage && control != imgBack)
            used |= control->geometry();
    const QPixmap picture = imgBack->pixmap();
    const QSize page = picture.isNull() ? QSize(used.right() + kPageRoom, used.bottom() + kPageRoom) : picture.size();
    pnlPage->resize(page);
    pnlPage->setProperty(kBaseGeometry, QRect(QPoint(), page));
    for (QWidget *control : pnlPage->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control == PostImage || control == DisImage)
            continue;
        control->setProperty(kBaseGeometry, control->geometry());
        control->setProperty(kBaseFont, control->font());
        if (auto *grid = qobject_cast<DataGrid *>(control))
            grid->setProperty(kBaseRowHeight, grid->verticalHeader()->defaultSectionSize());
    }
}

void TEditNoteForm::applyZoom()
{
    imgBack->setScaledContents(!m_zoom.isIdentity());
    pnlPage->resize(m_zoom.scaled(pnlPage->property(kBaseGeometry).toRect().size()));
    for (QWidget *control : pnlPage->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QVariant base = control->property(kBaseGeometry);
        if (!base.isValid())
            continue;
        control->setGeometry(m_zoom.scaled(base.toRect()));
        control->setFont(m_zoom.scaled(control->property(kBaseFont).value<QFont>()));
        if (auto *grid = qobject_cast<DataGrid *>(control))
            grid->verticalHeader()->setDefaultSectionSize(std::max(m_zoom.scaled(grid->property(kBaseRowHeight).toInt()), 1));
    }
    updateBillStates();  // the stamps keep their corner
    ChangeEditPosition();
}

void TEditNoteForm::zoomPage(ZoomStep step)
{
    if (!m_formatExists)
        return;
    switch (step) {
    case ZoomStep::In:
        m_zoom.zoomIn();
        break;
    case ZoomStep::Out:
        m_zoom.zoomOut();
        break;
    case ZoomStep::Restore:
        m_zoom.restore();
        break;
    }
    applyZoom();
    StoreZoomFactor(connection(), m_format.note.noteName, m_zoom.factor());
}

// A bill of the list: in its own format when that is another one.
void TEditNoteForm::openSavedBill()
{
    if (!SelQuery->isActive() || SelQuery->isEmpty() || QueryHea->isEditing())
        return;
    const qint64 id = SelQuery->fieldByName(QStringLiteral("id"))->asInteger();
    const QString noteName = SelQuery->fieldByName(QStringLiteral("NoteName"))->asString();
    if (noteName.compare(m_format.note.noteName, Qt::CaseInsensitive) != 0) {
        CreateEditForm(noteName, false, id, false, false);
    } else {
        OpenMainTable(id);
    }
}

void TEditNoteForm::stepSavedBill(int step)
{
    if (QueryHea->isEditing() || !SelQuery->isActive() || SelQuery->isEmpty())
        return;
    if (step < 0 ? SelQuery->recNo() <= 1 : SelQuery->recNo() >= SelQuery->recordCount())
        return;
    SelQuery->moveBy(step);
    openSavedBill();
}
