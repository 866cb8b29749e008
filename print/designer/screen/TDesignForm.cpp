#include "designer/screen/TDesignForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "designer/properties/TAddFieldButtons.h"
#include "designer/properties/TFieldPropertyPanel.h"
#include "designer/screen/TemplateOperations.h"
#include "designer/surface/TDesignSurface.h"
#include "gui/dataaware/ComboBoxLink.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/MessageSeam.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton *addButton(QHBoxLayout *row, const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
    return button;
}

QLineEdit *readOnlyEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

// An edit with its unit after it.
QWidget *withUnit(QLineEdit *edit, const QString &unit)
{
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit, 1);
    row->addWidget(new QLabel(unit));
    return box;
}

QWidget *withBrowse(QLineEdit *edit, QPushButton *button)
{
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit, 1);
    button->setFixedWidth(28);
    row->addWidget(button);
    return box;
}

} // namespace

TDesignForm::TDesignForm(QWidget *owner)
    : QWidget(owner), MessageReceiver(this), m_db(CurAdo), m_userId(sCurUserId), m_header(new DataSet(this)),
      m_headerSource(new DataSource(m_header, this)), m_surface(new TDesignSurface)
{
    setObjectName(QStringLiteral("DesignForm"));
    setWindowTitle(QStringLiteral("模板设计"));
    m_header->setConnection(m_db);
    RegisterWindowMessage(MsgNetworkUp);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeTopBar());
    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    m_surface->setHotKeyScreen(this);
    pnlMain = makeTemplatePanel();
    // The property panel shows in the template panel's place while fields are selected.
    pnlDetail = new TFieldPropertyPanel(m_surface);
    auto *side = new QWidget;
    side->setObjectName(QStringLiteral("pnlSide"));
    side->setFixedWidth(280);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(pnlMain);
    sideLayout->addWidget(pnlDetail);
    sideLayout->addStretch(1);
    pnlDetail->setTemplatePanel(pnlMain);
    body->addWidget(side);
    body->addWidget(m_surface, 1);
    layout->addLayout(body, 1);

    connect(m_header, &DataSet::fieldChanged, this, &TDesignForm::headerFieldChanged);
    connect(m_header, &DataSet::afterScroll, this, &TDesignForm::colourPictureBox);
    connect(m_surface, &TDesignSurface::pageOffsetChanged, this, &TDesignForm::surfaceOffsetChanged);
    connect(m_surface, &TDesignSurface::lockedChanged, LockFlatCheckBox, [this](bool locked) {
        const QSignalBlocker blocker(LockFlatCheckBox);
        LockFlatCheckBox->setChecked(locked);
    });
    connect(LockFlatCheckBox, &QCheckBox::toggled, m_surface, &TDesignSurface::setLocked);
    OpenDesignNote(QString());
}

TDesignForm::~TDesignForm() = default;

QWidget *TDesignForm::makeTopBar()
{
    auto *bar = new QFrame;
    bar->setObjectName(QStringLiteral("pnlTop"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 3, 4, 3);
    BtnNew = addButton(row, QStringLiteral("新增(&N)"), "BtnNew");
    CopyButton = addButton(row, QStringLiteral("复制(&C)"), "CopyButton");
    BtnSave = addButton(row, QStringLiteral("保存(&S)"), "BtnSave");
    NoteListBox = new QComboBox;
    NoteListBox->setObjectName(QStringLiteral("NoteListBox"));
    NoteListBox->setMinimumWidth(200);
    row->addWidget(NoteListBox);
    BtnDel = addButton(row, QStringLiteral("删除(&D)"), "BtnDel");
    btnExit = addButton(row, QStringLiteral("退出(&X)"), "btnExit");
    BtnExport = addButton(row, QStringLiteral("导出"), "BtnExport");
    BtnImport = addButton(row, QStringLiteral("导入"), "BtnImport");
    BtnRefresh = addButton(row, QStringLiteral("刷新"), "BtnRefresh");
    BtnEntry = addButton(row, QStringLiteral("录入"), "BtnEntry");
    row->addStretch(1);

    connect(BtnNew, &QPushButton::clicked, this, &TDesignForm::BtnNewClick);
    connect(CopyButton, &QPushButton::clicked, this, &TDesignForm::CopyButtonClick);
    connect(BtnSave, &QPushButton::clicked, this, &TDesignForm::BtnSaveClick);
    connect(BtnDel, &QPushButton::clicked, this, &TDesignForm::BtnDelClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(BtnExport, &QPushButton::clicked, this, &TDesignForm::BtnExportClick);
    connect(BtnImport, &QPushButton::clicked, this, &TDesignForm::BtnImportClick);
    connect(BtnRefresh, &QPushButton::clicked, this, &TDesignForm::BtnRefreshClick);
    connect(BtnEntry, &QPushButton::clicked, this, &TDesignForm::BtnEntryClick);
    connect(NoteListBox, &QComboBox::textActivated, this, [this](const QString &name) {
        if (m_loading && !name.isEmpty())
            OpenDesignNote(name);
    });
    return bar;
}

QFrame *TDesignForm::makeTemplatePanel()
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("pnlMain"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMinimumHeight(570);
    auto *form = new QFormLayout(panel);

    NoteNameEdit = readOnlyEdit("NoteNameEdit");
    NoteTypeEdit = readOnlyEdit("NoteTypeEdit");
    NoteNameTypeEdit = readOnlyEdit("NoteNameTypeEdit");
    RenameButton = new QPushButton(QStringLiteral("修改单据名称"));
    RenameButton->setObjectName(QStringLiteral("RenameButton"));
    XmoveEdit = new QLineEdit;
    XmoveEdit->setObjectName(QStringLiteral("XmoveEdit"));
    YmoveEdit = new QLineEdit;
    YmoveEdit->setObjectName(QStringLiteral("YmoveEdit"));
    ImgFileEdit = readOnlyEdit("ImgFileEdit");
    SmallPicEdit = readOnlyEdit("SmallPicEdit");
    ImgBrowseButton = new QPushButton(QStringLiteral("..."));
    ImgBrowseButton->setObjectName(QStringLiteral("ImgBrowseButton"));
    IconBrowseButton = new QPushButton(QStringLiteral("..."));
    IconBrowseButton->setObjectName(QStringLiteral("IconBrowseButton"));
    DataTableBox = new QComboBox;
    DataTableBox->setObjectName(QStringLiteral("DataTableBox"));
    DataTableBox->addItems(TemplateOperations(m_db).dataTables());
    DefaultBox = new QComboBox;
    DefaultBox->setObjectName(QStringLiteral("DefaultBox"));
    DefaultBox->addItems({QStringLiteral("是"), QStringLiteral("否")});
    LockFlatCheckBox = new QCheckBox(QStringLiteral("锁定位置"));
    LockFlatCheckBox->setObjectName(QStringLiteral("LockFlatCheckBox"));

    form->addRow(QStringLiteral("单据名称"), NoteNameEdit);
    form->addRow(QStringLiteral("单据类别"), NoteTypeEdit);
    form->addRow(QStringLiteral("单据分类"), NoteNameTypeEdit);
    form->addRow(QString(), RenameButton);
    form->addRow(QStringLiteral("横向偏移"), withUnit(XmoveEdit, QStringLiteral("毫米")));
    form->addRow(QStringLiteral("纵向偏移"), withUnit(YmoveEdit, QStringLiteral("毫米")));
    form->addRow(QStringLiteral("背景"), withBrowse(ImgFileEdit, ImgBrowseButton));
    form->addRow(QStringLiteral("显示图标"), withBrowse(SmallPicEdit, IconBrowseButton));
    form->addRow(QStringLiteral("数据表"), DataTableBox);
    form->addRow(QStringLiteral("缺省格式"), DefaultBox);
    m_addButtons = new TAddFieldButtons(m_surface);
    m_addButtons->setObjectName(QStringLiteral("AddFieldButtons"));
    form->addRow(m_addButtons);
    form->addRow(LockFlatCheckBox);

    new LineEditLink(NoteNameEdit, m_headerSource, QStringLiteral("NoteName"));
    new LineEditLink(NoteTypeEdit, m_headerSource, QStringLiteral("NoteType"));
    new LineEditLink(NoteNameTypeEdit, m_headerSource, QStringLiteral("NoteNameType"));
    new LineEditLink(XmoveEdit, m_headerSource, QStringLiteral("Xmove"));
    new LineEditLink(YmoveEdit, m_headerSource, QStringLiteral("Ymove"));
    new LineEditLink(ImgFileEdit, m_headerSource, QStringLiteral("ImgFile"));
    new LineEditLink(SmallPicEdit, m_headerSource, QStringLiteral("smallpic"));
    new ComboBoxLink(DataTableBox, m_headerSource, QStringLiteral("DataTablename"));
    new ComboBoxLink(DefaultBox, m_headerSource, QStringLiteral("default"));

    ImgFileEdit->installEventFilter(this);
    SmallPicEdit->installEventFilter(this);
    connect(RenameButton, &QPushButton::clicked, this, &TDesignForm::RenameButtonClick);
    connect(ImgBrowseButton, &QPushButton::clicked, this, &TDesignForm::ImgBrowseButtonClick);
    connect(IconBrowseButton, &QPushButton::clicked, this, &TDesignForm::IconBrowseButtonClick);
    return panel;
}

QString TDesignForm::currentRefNo() const
{
    return hasTemplate() ? m_header->fieldByName(QStringLiteral("RefNo"))->asString() : QString();
}

bool TDesignForm::hasTemplate() const
{
    return m_header->isActive() && !m_header->isEmpty();
}

void TDesignForm::setTemplatePanelEnabled(bool enabled)
{
    pnlMain->setEnabled(enabled);
}

void TDesignForm::headerFieldChanged(DataField *field)
{
    const QString name = field->name();
    if (name.compare(QStringLiteral("DataTablename"), Qt::CaseInsensitive) == 0 && !field->asString().isEmpty())
        QMetaObject::invokeMethod(this, &TDesignForm::followDataTable, Qt::QueuedConnection);
    if (name.compare(QStringLiteral("Xmove"), Qt::CaseInsensitive) == 0
        || name.compare(QStringLiteral("Ymove"), Qt::CaseInsensitive) == 0) {
        m_movingPage = true;
        const auto done = qScopeGuard([this] { m_movingPage = false; });
        m_surface->setPageOffsetMm({m_header->fieldByName(QStringLiteral("Xmove"))->asFloat(),
                                    m_header->fieldByName(QStringLiteral("Ymove"))->asFloat()});
    }
}

// The property panel lists the columns of the table the surface knows: a new table is stored
// and the page reopened, at once when no field change would be lost, else after 保存.
void TDesignForm::followDataTable()
{
    if (!hasTemplate() || !m_surface->header())
        return;
    const QString table = m_header->fieldByName(QStringLiteral("DataTablename"))->asString();
    if (table.isEmpty() || table == m_surface->header()->dataTableName || m_surface->hasUnsavedChanges())
        return;
    if (m_header->isEditing() && !m_header->post())
        return;
    m_surface->openTemplate(currentRefNo());
}

// The surface stores an offset moved with Ctrl+arrows at once: the row shows the stored values.
void TDesignForm::surfaceOffsetChanged(const QPointF &offsetMm)
{
    if (m_movingPage || !hasTemplate())
        return;
    DataField *x = m_header->fieldByName(QStringLiteral("Xmove"));
    DataField *y = m_header->fieldByName(QStringLiteral("Ymove"));
    if (qFuzzyCompare(1.0 + x->asFloat(), 1.0 + offsetMm.x()) && qFuzzyCompare(1.0 + y->asFloat(), 1.0 + offsetMm.y()))
        return;
    if (m_header->isEditing()) {
        m_movingPage = true;
        const auto done = qScopeGuard([this] { m_movingPage = false; });
        x->setValue(offsetMm.x());
        y->setValue(offsetMm.y());
    } else {
        m_header->requery();
    }
}

// 背景 shows how the picture is stored (hex text green, converted pink) and turns red while
// the picture gives no density, so the paper size cannot be known.
void TDesignForm::colourPictureBox()
{
    QColor background = Qt::white;
    QColor text = palette().color(QPalette::WindowText);
    if (hasTemplate()) {
        if (m_header->fieldByName(QStringLiteral("ImgEnc"))->asInteger() == 1)
            background = QColor(0xC0, 0xDC, 0xC0);
        else if (!m_header->fieldByName(QStringLiteral("ConvertRate1"))->asString().isEmpty())
            background = QColor(0xFF, 0xE6, 0xF2);
        if (m_header->fieldByName(QStringLiteral("xDpi"))->asInteger() == 0
            || m_header->fieldByName(QStringLiteral("yDpi"))->asInteger() == 0)
            text = Qt::red;
    }
    QPalette look = ImgFileEdit->palette();
    look.setColor(QPalette::Base, background);
    look.setColor(QPalette::Text, text);
    ImgFileEdit->setPalette(look);
}

bool TDesignForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ImgFileEdit || watched == SmallPicEdit) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            watched == ImgFileEdit ? ImgFileDblClick() : IconFileDblClick();
            return true;
        }
        if (watched == ImgFileEdit && event->type() == QEvent::KeyPress && hasTemplate()) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                ShowMsgHint(QStringLiteral("xdpi:%1,yDpi:%2")
                                .arg(m_header->fieldByName(QStringLiteral("xDpi"))->asInteger())
                                .arg(m_header->fieldByName(QStringLiteral("yDpi"))->asInteger()));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TDesignForm::hasUnsavedChanges() const
{
    return m_surface->hasUnsavedChanges() || (m_header->isEditing() && m_header->isModified());
}

void TDesignForm::closeEvent(QCloseEvent *event)
{
    if (hasTemplate() && hasUnsavedChanges()) {
        MessageRequest question;
        question.icon = QMessageBox::Question;
        question.title = QStringLiteral("询问");
        question.text = QStringLiteral("单据格式已经修改，要保存吗？");
        question.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        question.defaultButton = QMessageBox::Yes;
        const QMessageBox::StandardButton answer = MessageSeam::ask(question);
        bool saved = answer != QMessageBox::Yes;
        if (answer == QMessageBox::Yes) {
            try {
                saved = saveTemplate();
            } catch (const CorvaneError &error) {
                ShowMsgerror(error.message());  // the screen stays open with its changes
            }
        }
        if (answer == QMessageBox::Cancel || !saved) {
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

void TDesignForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->showMaximized();
}

void TDesignForm::WndProc(const WindowMessage &message)
{
    if (IsMessage(message, MsgOpenRefNo)) {
        const QString name = TemplateOperations(m_db).nameOfRefNo(UnpackRefNoParam(message.LParam).refNo);
        if (!name.isEmpty())
            OpenDesignNote(name);
    }
    MessageReceiver::WndProc(message);
}
