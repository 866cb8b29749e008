#include "gui/TLumiskMainForm.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/ProgramFolder.h"
#include "core/globals/PubDm.h"
#include "core/globals/VendorSite.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "core/picture/Pic.h"
#include "data/CategoryChanges.h"
#include "data/IconChange.h"
#include "data/NoteSearch.h"
#include "data/TemplateFacts.h"
#include "data/UiTabs.h"
#include "data/UiUser.h"
#include "gui/BackdropWidget.h"
#include "gui/FormatPackages.h"
#include "gui/IconListView.h"
#include "gui/PicturePanel.h"
#include "gui/ScrollingNotice.h"
#include "gui/TNoteQueryForm.h"
#include "gui/TabButton.h"
#include "gui/TopBarButton.h"
#include "gui/web/VendorPagePanel.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "pictures/MainPageColors.h"
#include "pictures/MainPagePictures.h"
#include "gui/WidgetBackground.h"
#include "core/globals/MenuIds.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopeGuard>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTopBarHeight = 73;
constexpr int kTabColumnWidth = 135;
constexpr int kStripHeight = 25;
constexpr int kLowerPanelHeight = 107;
constexpr int kSmallestLowerPanel = 20;


const QString kNotice = QStringLiteral("温馨提示：本程序只在更新单据格式时访问供应商网站，不会上传您的任何单据数据。");

// A picture of the program folder, or the page's own drawing when the file is missing.
QImage programPicture(const QString &relativePath, const QImage &drawn)
{
    const QImage picture(ProgramFile(relativePath));
    return picture.isNull() ? drawn : picture;
}

QIcon iconPicture(const QString &file)
{
    const QImage picture = file.isEmpty() ? QImage() : QImage(file);
    return QIcon(QPixmap::fromImage(picture.isNull() ? DrawDefaultBillIcon() : IconSizedPicture(picture)));
}

QToolButton *linkButton(const QString &text, PageGlyph glyph, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    if (text.isEmpty()) {
        button->setIcon(QIcon(QPixmap::fromImage(PageGlyphImage(glyph, QSize(20, 20)))));
        button->setIconSize(QSize(20, 20));
    } else {
        button->setText(text);
        button->setStyleSheet(QStringLiteral("QToolButton { color: #0b5cad; border: none; }"
                                             "QToolButton:hover { color: #e8611a; text-decoration: underline; }"));
    }
    return button;
}

} // namespace

TLumiskMainForm::TLumiskMainForm(QWidget *owner) : QWidget(owner), MessageReceiver(this)
{
    setObjectName(QStringLiteral("LumiskMainForm"));
    setWindowTitle(QStringLiteral("主界面"));
    resize(1016, 603);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    auto *topBar = new BackdropWidget(programPicture(QStringLiteral("ui/Top.jpg"), DrawTopBarPicture(QSize(1016, kTopBarHeight))),
                                      BackdropWidget::Fill::Stretch, TabColumnColor(), this);
    topBar->setObjectName(QStringLiteral("TopPanel"));
    topBar->setFixedHeight(kTopBarHeight);
    root->addWidget(topBar);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    root->addLayout(body, 1);
    auto *tabColumn = new BackdropWidget(programPicture(QStringLiteral("ui/left.jpg"), DrawTabColumnTile()),
                                         BackdropWidget::Fill::Tile, TabColumnColor(), this);
    tabColumn->setObjectName(QStringLiteral("TabPanel"));
    tabColumn->setFixedWidth(kTabColumnWidth);
    body->addWidget(tabColumn);

    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    body->addLayout(right, 1);
    auto *searchBar = new QWidget(this);
    right->addWidget(searchBar);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(4);
    right->addWidget(m_splitter, 1);
    auto *iconArea = new QWidget(m_splitter);
    auto *iconLayout = new QVBoxLayout(iconArea);
    iconLayout->setContentsMargins(0, 0, 0, 0);
    iconLayout->setSpacing(0);
    ListView1 = new IconListView(iconArea);
    iconLayout->addWidget(ListView1, 1);
    auto *bottomBar = new QWidget(iconArea);
    iconLayout->addWidget(bottomBar);
    m_lowerPanels = new QStackedWidget(m_splitter);
    PicPanel = new PicturePanel(m_lowerPanels);
    WebPanel = new VendorPagePanel(QStringLiteral("/cs/Uifoot.html?w=%1&h=%2"), m_lowerPanels);
    WebPanel->setObjectName(QStringLiteral("WebBrowser1"));
    m_lowerPanels->addWidget(PicPanel);
    m_lowerPanels->addWidget(WebPanel);
    m_lowerPanels->setCurrentWidget(WebPanel);
    m_lowerPanels->setMinimumHeight(kSmallestLowerPanel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({603 - kTopBarHeight - kStripHeight - kLowerPanelHeight, kLowerPanelHeight});

    buildTopBar(topBar);
    buildSearchBar(searchBar);
    buildBottomBar(bottomBar);
    buildPopupMenu();

    connect(ListView1, &IconListView::openRequested, this, [this](qint64 refNo) { sendOpenForm(MenuId::BillForm, refNo); });
    connect(ListView1, &IconListView::captionEdited, this, &TLumiskMainForm::storeCaption);
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &TLumiskMainForm::iconSelectionChanged);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &) {
        preparePopupMenu();
        PopupMenu1->popup(QCursor::pos());
    });
    connect(PicPanel, &PicturePanel::heightStepRequested, this, &TLumiskMainForm::changePictureHeight);

    MainUIWindowsHand = Handle();
    m_menuType = SelTableIntValue(CurAdo, QStringLiteral("select MenuType from Bs_SysSet"));
    buildTabs(tabColumn);
    m_storedLastTab = ReadLastTab(CurAdo);
    int firstTab = m_storedLastTab;
    // A tab hidden or removed since it was last shown gives way to the first tab there is.
    if (!m_tabButtons.isEmpty()
        && std::none_of(m_tabButtons.cbegin(), m_tabButtons.cend(), [&](const TabButton *tab) { return tab->tabNo() == firstTab; }))
        firstTab = m_tabButtons.constFirst()->tabNo();
    OpenListView(firstTab);
}

TLumiskMainForm::~TLumiskMainForm()
{
    if (MainUIWindowsHand == Handle())
        MainUIWindowsHand = NoWindow;
}

void TLumiskMainForm::buildTopBar(QWidget *bar)
{
    struct Button
    {
        QString caption;
        PageGlyph glyph;
        std::function<void()> action;
    };
    const auto selected = [this] { return ListView1->selectedRefNo(); };
    const auto openKind = [this](const QString &kind) { return [this, kind] { openDefaultFormatOf(kind); }; };
    const QList<Button> buttons{
        {QStringLiteral("快递单"), PageGlyph::ExpressBill, openKind(QStringLiteral("快递单"))},
        {QStringLiteral("支票"), PageGlyph::Cheque, openKind(QStringLiteral("支票"))},
        {QStringLiteral("进账单"), PageGlyph::DepositSlip, openKind(QStringLiteral("进账单"))},
        {QStringLiteral("电汇单"), PageGlyph::WireTransfer, openKind(QStringLiteral("电汇单"))},
        {QStringLiteral("送货单"), PageGlyph::DeliveryNote, openKind(QStringLiteral("送货单"))},
        {QStringLiteral("单位资料"), PageGlyph::Company, [this] { sendOpenForm(MenuId::CompanyBook, 0); }},
        {QStringLiteral("商品资料"), PageGlyph::Goods, [this] { sendOpenForm(MenuId::Goods, 0); }},
        {QStringLiteral("打印数据"), PageGlyph::PrintData, [=, this] { sendOpenForm(MenuId::HistoryQuery, selected()); }},
        {QStringLiteral("导入数据"), PageGlyph::ImportData, [=, this] { sendOpenForm(MenuId::HistoryQuery, selected()); }},
        {QStringLiteral("连续打印"), PageGlyph::BatchPrint, [=, this] { sendOpenForm(MenuId::HistoryQuery, selected()); }},
        {QStringLiteral("单据设计"), PageGlyph::Design, [=, this] { sendOpenForm(MenuId::Designer, selected()); }},
        {QStringLiteral("Quillet"), PageGlyph::Website, [] { DesktopOpener::open(VendorUrl(QStringLiteral("/"))); }},
        {QStringLiteral("菜单"), PageGlyph::Menu,
         [] { SendMessage(MainWindowsHand, RegisterWindowMessage(MsgToggleMenu), 0, 0); }},
    };
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 0, 4, 0);
    layout->setSpacing(2);
    const auto add = [&](const Button &button, int width) {
        auto *widget = new TopBarButton(button.caption, button.glyph, width, bar);
        connect(widget, &TopBarButton::clicked, this, button.action);
        m_topBarButtons.append(widget);
        layout->addWidget(widget);
    };
    for (const Button &button : buttons)
        add(button, 60);
    layout->addStretch(1);
    // The main window closes the page with every other screen; were the page to close itself,
    // a screen that refuses (a bill being edited) would keep the program without its page.
    add({QStringLiteral("退出"), PageGlyph::Exit,
         [] { PostMessage(MainWindowsHand, RegisterWindowMessage(MsgCloseSystem), 0, 0); }},
        56);
}

void TLumiskMainForm::buildSearchBar(QWidget *bar)
{
    bar->setFixedHeight(kStripHeight);
    FillBackground(bar, IconAreaColor());
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 1, 8, 1);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral(" 找单据："), bar));
    SearchEdit = new QLineEdit(QStringLiteral("顺丰"), bar);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setToolTip(QStringLiteral("按回车键直接查询"));
    SearchEdit->setFixedWidth(160);
    layout->addWidget(SearchEdit);
    SearchButton = linkButton(QString(), PageGlyph::Search, bar);
    SearchButton->setObjectName(QStringLiteral("SearchButton"));
    SearchButton->setToolTip(QStringLiteral("单据查询"));
    layout->addWidget(SearchButton);
    layout->addStretch(1);
    QToolButton *more = linkButton(QStringLiteral("更多单据点击这里-->"), PageGlyph::MoreBills, bar);
    QToolButton *morePicture = linkButton(QString(), PageGlyph::MoreBills, bar);
    more->setObjectName(QStringLiteral("MoreBillsLink"));
    morePicture->setObjectName(QStringLiteral("MoreBillsPicture"));
    layout->addWidget(more);
    layout->addWidget(morePicture);

    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] {
        NoteQuery query;
        query.noteName = SearchEdit->text();
        OpenNoteQuery(query);
    });
    connect(SearchButton, &QToolButton::clicked, this, &TLumiskMainForm::searchDialog);
    for (QToolButton *button : {more, morePicture})
        connect(button, &QToolButton::clicked, this, [] { DesktopOpener::open(VendorUrl(QStringLiteral("/cs.aspx"))); });
}

void TLumiskMainForm::buildBottomBar(QWidget *bar)
{
    bar->setFixedHeight(kStripHeight);
    FillBackground(bar, QColor(0xEE, 0xF4, 0xFB));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral("如果上面没有您要的单据，扫描件单据或者手机拍照，自己设计或者点击这里上传---> "), bar));
    QToolButton *upload = linkButton(QString(), PageGlyph::Upload, bar);
    upload->setObjectName(QStringLiteral("UploadPicture"));
    upload->setToolTip(QStringLiteral("上传单据"));
    connect(upload, &QToolButton::clicked, this, [] { DesktopOpener::open(VendorUrl(QStringLiteral("/cs_upfile.aspx"))); });
    layout->addWidget(upload);
    layout->addSpacing(12);
    layout->addWidget(new ScrollingNotice(kNotice, bar), 1);
}

void TLumiskMainForm::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("增加(&A)"))->setVisible(false);
    connect(PopupMenu1->addAction(QStringLiteral("设计")), &QAction::triggered, this,
            [this] { sendOpenForm(MenuId::Designer, ListView1->selectedRefNo()); });
    connect(PopupMenu1->addAction(QStringLiteral("设为常用单据")), &QAction::triggered, this, &TLumiskMainForm::AddToFavourites);
    connect(PopupMenu1->addAction(QStringLiteral("设为默认单据")), &QAction::triggered, this, &TLumiskMainForm::MarkDefault);
    connect(PopupMenu1->addAction(QStringLiteral("更换图标(&C)")), &QAction::triggered, this, &TLumiskMainForm::ChangeIcon);
    connect(PopupMenu1->addAction(QStringLiteral("删除(&D)")), &QAction::triggered, this, &TLumiskMainForm::DeleteIcon);
    connect(PopupMenu1->addAction(QStringLiteral("导出单据格式")), &QAction::triggered, this,
            [this] { ExportOneFormat(CurAdo, this, ListView1->selectedRefNo()); });
    connect(PopupMenu1->addAction(QStringLiteral("导入单据格式")), &QAction::triggered, this, [this] {
        const auto reload = qScopeGuard([this] { OpenListView(m_currentTab); });
        ImportFormats(CurAdo);
    });
    connect(PopupMenu1->addAction(QStringLiteral("导出所有单据(合并)")), &QAction::triggered, this,
            [this] { ExportFormatsMerged(CurAdo, this, shownRefNos()); });
    PopupMenu1->addSeparator();
    connect(PopupMenu1->addAction(QStringLiteral("导出所有单据格式")), &QAction::triggered, this,
            [this] { ExportFormatsToFolder(CurAdo, shownRefNos()); });
}

void TLumiskMainForm::preparePopupMenu()
{
    for (QAction *action : std::as_const(m_formatActions)) {
        PopupMenu1->removeAction(action);
        delete action;
    }
    m_formatActions.clear();

    const qint64 refNo = ListView1->selectedRefNo();
    const bool selection = refNo != 0;
    const bool searchTab = m_currentTab == SearchResultTabNo(CurAdo);
    const QStringList withSelection{QStringLiteral("设计"), QStringLiteral("设为常用单据"), QStringLiteral("设为默认单据"),
                                    QStringLiteral("更换图标(&C)"), QStringLiteral("删除(&D)"), QStringLiteral("导出单据格式")};
    for (QAction *action : PopupMenu1->actions()) {
        if (withSelection.contains(action->text()))
            action->setVisible(selection);
        else if (action->text() == QStringLiteral("导出所有单据(合并)"))
            action->setVisible(!selection && searchTab);
        else if (action->text() == QStringLiteral("导入单据格式"))
            action->setVisible(!selection && !searchTab);
    }
    if (!selection)
        return;
    const QList<TemplateFormat> formats = FormatsOfCategory(CurAdo, refNo);
    if (formats.size() <= 1)
        return;
    m_formatActions.append(PopupMenu1->addSeparator());
    for (const TemplateFormat &format : formats) {
        QAction *action = PopupMenu1->addAction(format.noteName);
        action->setData(format.refNo);
        const qint64 formatRefNo = format.refNo;
        connect(action, &QAction::triggered, this, [this, formatRefNo] { sendOpenForm(MenuId::BillForm, formatRefNo); });
        m_formatActions.append(action);
    }
}

void TLumiskMainForm::buildTabs(QWidget *column)
{
    const QList<UiTab> tabs = VisibleUiTabs(CurAdo);
    for (int i = 0; i < tabs.size(); ++i) {
        auto *button = new TabButton(tabs[i].tabNo, tabs[i].caption, column);
        button->setGeometry(0, i * 50 + 50, kTabColumnWidth, 35);
        connect(button, &TabButton::clicked, this, &TLumiskMainForm::OpenListView);
        connect(button, &TabButton::iconDropped, this, &TLumiskMainForm::addIconToTab);
        m_tabButtons.append(button);
    }
}

void TLumiskMainForm::OpenListView(int tabNo)
{
    m_currentTab = tabNo;
    for (TabButton *button : std::as_const(m_tabButtons))
        button->setCurrent(button->tabNo() == tabNo);
    ListView1->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    m_icons = TabIcons(CurAdo, tabNo);
    QHash<QString, QIcon> pictures;
    for (const UiIcon &icon : std::as_const(m_icons)) {
        if (!pictures.contains(icon.iconFile))
            pictures.insert(icon.iconFile, iconPicture(icon.iconFile));
        auto *item = new QListWidgetItem(pictures.value(icon.iconFile), icon.caption, ListView1);
        item->setData(IconListView::RefNoRole, icon.modId);
        item->setData(IconListView::BareCaptionRole, icon.bareCaption);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setToolTip(icon.caption);
    }
    // The tab comes back at the next start; search results do not.
    if (tabNo != m_storedLastTab && tabNo != SearchResultTabNo(CurAdo)) {
        WriteLastTab(CurAdo, tabNo);
        m_storedLastTab = tabNo;
    }
}

void TLumiskMainForm::selectIcon(qint64 refNo)
{
    for (int row = 0; row < ListView1->count(); ++row) {
        QListWidgetItem *item = ListView1->item(row);
        if (item->data(IconListView::RefNoRole).toLongLong() == refNo) {
            ListView1->setCurrentItem(item);
            ListView1->scrollToItem(item);
            return;
        }
    }
}

QList<qint64> TLumiskMainForm::shownRefNos() const
{
    QList<qint64> refNos;
    for (const UiIcon &icon : m_icons)
        refNos.append(icon.modId);
    return refNos;
}

const UiIcon *TLumiskMainForm::selectedIcon() const
{
    const QList<QListWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const int row = ListView1->row(selected.constFirst());
    return row >= 0 && row < m_icons.size() ? &m_icons[row] : nullptr;
}

void TLumiskMainForm::iconSelectionChanged()
{
    const UiIcon *icon = selectedIcon();
    if (!icon) {
        m_lowerPanels->setCurrentWidget(WebPanel);
        return;
    }
    // A picture that is missing or cannot be read leaves the panel white.
    QImage picture;
    const QString file = TemplatePictureFile(CurAdo, icon->modId);
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        try {
            SetJpegImg(file, picture);
        } catch (const CorvaneError &) {
            picture = QImage();
        }
    }
    PicPanel->setPicture(picture);
    m_lowerPanels->setCurrentWidget(PicPanel);
}

void TLumiskMainForm::changePictureHeight(int step)
{
    QList<int> sizes = m_splitter->sizes();
    const int height = sizes.value(1) + step;
    if (sizes.size() != 2 || height <= kSmallestLowerPanel || height >= sizes[0] + sizes[1] - kStripHeight)
        return;
    sizes[0] -= step;
    sizes[1] = height;
    m_splitter->setSizes(sizes);
}

void TLumiskMainForm::storeCaption(int row, const QString &caption)
{
    if (row < 0 || row >= m_icons.size())
        return;
    UiIcon &icon = m_icons[row];
    SetIconCaption(CurAdo, icon.rowId, caption);
    icon.bareCaption = caption;
    icon.caption = ShownIconCaption(caption, icon.formatCount, icon.isDefault);
    QListWidgetItem *item = ListView1->item(row);
    item->setText(icon.caption);
    item->setToolTip(icon.caption);
    item->setData(IconListView::BareCaptionRole, caption);
}

void TLumiskMainForm::sendOpenForm(qint64 menuId, qint64 refNo)
{
    SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), menuId, PackRefNoParam(refNo));
}

void TLumiskMainForm::openDefaultFormatOf(const QString &kind)
{
    const qint64 refNo = DefaultFormatRefNo(CurAdo, kind);
    if (refNo == 0) {
        ShowMsgTitled(QStringLiteral("提示"), QStringLiteral("没有定义默认的%1").arg(kind));
        return;
    }
    sendOpenForm(MenuId::BillForm, refNo);
}

void TLumiskMainForm::OpenNoteQuery(const NoteQuery &query)
{
    OpenListView(::OpenNoteQuery(CurAdo, query));
}

void TLumiskMainForm::searchDialog()
{
    NoteQuery query;
    if (GetNoteQuery(CurAdo, this, query))
        OpenNoteQuery(query);
}

void TLumiskMainForm::addIconToTab(int tabNo, qint64 refNo)
{
    UiIconRow row;
    row.tabNo = tabNo;
    row.modId = refNo;
    row.menuType = m_menuType;
    if (const UiIcon *icon = selectedIcon(); icon && icon->modId == refNo) {
        row.caption = icon->bareCaption;
        row.position = ListView1->visualItemRect(ListView1->selectedItems().constFirst()).topLeft();
    }
    InsertToUiList(CurAdo, row);
}

void TLumiskMainForm::AddToFavourites()
{
    if (const qint64 refNo = ListView1->selectedRefNo()) {
        addIconToTab(0, refNo);
        OpenListView(0);
    }
}

void TLumiskMainForm::MarkDefault()
{
    const qint64 refNo = ListView1->selectedRefNo();
    if (refNo == 0)
        return;
    MarkDefaultCategory(CurAdo, refNo);
    addIconToTab(0, refNo);
    OpenListView(m_currentTab);
    selectIcon(refNo);
}

void TLumiskMainForm::ChangeIcon()
{
    const qint64 refNo = ListView1->selectedRefNo();
    if (refNo == 0)
        return;
    const QString file = GetOpenFileName(ProgramFile(QStringLiteral("icons")), QStringLiteral("bmp"), QStringLiteral("选择图标"),
                                         QStringLiteral("图片文件|*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.ico|所有文件|*.*"));
    if (file.isEmpty())
        return;
    const QImage icon = ChangeTemplateIcon(CurAdo, refNo, file);
    ListView1->selectedItems().constFirst()->setIcon(QIcon(QPixmap::fromImage(icon)));
}

void TLumiskMainForm::DeleteIcon()
{
    const UiIcon *selected = selectedIcon();
    if (!selected
        || !ConfirmTitled(QStringLiteral("确认删除"), DeleteIconQuestion(CurAdo, m_currentTab, selected->modId)))
        return;
    const UiIcon icon = *selected;
    delete ListView1->takeItem(ListView1->row(ListView1->selectedItems().constFirst()));
    DeleteUiIcon(CurAdo, m_currentTab, icon.rowId, icon.modId);
    OpenListView(m_currentTab);
}

void TLumiskMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_frameFitted)
        return;
    m_frameFitted = true;
    QMetaObject::invokeMethod(this, &TLumiskMainForm::fillFrame, Qt::QueuedConnection);
}

void TLumiskMainForm::fillFrame()
{
    // Inside the main window the page has no frame of its own and fills the whole area.
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame)
        return;
    // The flags are changed while the frame is not maximized, so no window buttons of it are
    // left in the main window's menu bar.
    frame->showNormal();
    frame->setWindowFlags(Qt::FramelessWindowHint);
    frame->showMaximized();
}

void TLumiskMainForm::WndProc(const WindowMessage &message)
{
    if (IsMessage(message, MsgCloseForm)) {
        close();
    } else if (IsMessage(message, MsgMainPagePopupMenu)) {
        sendOpenForm(message.WParam, 0);
    } else if (IsMessage(message, MsgRefreshMainPage)) {
        OpenListView(m_currentTab);
        selectIcon(message.LParam);
    } else if (IsMessage(message, MsgNetworkUp)) {
        WebPanel->reload();
    }
    MessageReceiver::WndProc(message);
}
