#pragma once

#include "core/messages/MessageReceiver.h"
#include "data/UiIcons.h"

#include <QList>
#include <QWidget>

class IconListView;
class PicturePanel;
class QLineEdit;
class QMenu;
class QSplitter;
class QStackedWidget;
class QToolButton;
class TabButton;
class TopBarButton;
class VendorPagePanel;
struct NoteQuery;

// The main page: the first screen after the login, filling the main window. Bill icons grouped
// in tabs on the left; a double click opens a bill form through the main window ("OpenForm").
// The top bar opens the default format of the common kinds and the other screens; below the
// icons the selected format's picture, or the vendor's page when nothing is selected.
class TLumiskMainForm : public QWidget, public MessageReceiver
{
    Q_OBJECT

public:
    explicit TLumiskMainForm(QWidget *owner);
    ~TLumiskMainForm() override;

    void WndProc(const WindowMessage &message) override;

    // Shows the icons of a tab (a tab button's, the favourites 0 or the search results).
    void OpenListView(int tabNo);
    int currentTab() const { return m_currentTab; }
    const QList<UiIcon> &icons() const { return m_icons; }
    const QList<TabButton *> &tabButtons() const { return m_tabButtons; }
    const QList<TopBarButton *> &topBarButtons() const { return m_topBarButtons; }
    // Selects the icon of that format, if the tab shows it.
    void selectIcon(qint64 refNo);

    // The bill search with the given terms; its results become the shown tab.
    void OpenNoteQuery(const NoteQuery &query);

    // Brings the pop-up menu up to date for the current selection and tab.
    void preparePopupMenu();

    IconListView *ListView1;
    QLineEdit *SearchEdit;
    QToolButton *SearchButton;
    QMenu *PopupMenu1;
    PicturePanel *PicPanel;
    VendorPagePanel *WebPanel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildTopBar(QWidget *bar);
    void buildSearchBar(QWidget *bar);
    void buildBottomBar(QWidget *bar);
    void buildPopupMenu();
    void buildTabs(QWidget *column);
    void fillFrame();

    void sendOpenForm(qint64 menuId, qint64 refNo);
    void openDefaultFormatOf(const QString &kind);
    void searchDialog();
    void iconSelectionChanged();
    void changePictureHeight(int step);
    void storeCaption(int row, const QString &caption);
    void addIconToTab(int tabNo, qint64 refNo);
    const UiIcon *selectedIcon() const;
    QList<qint64> shownRefNos() const;

    void AddToFavourites();
    void MarkDefault();
    void ChangeIcon();
    void DeleteIcon();

    QSplitter *m_splitter = nullptr;
    QStackedWidget *m_lowerPanels = nullptr;
    QList<TopBarButton *> m_topBarButtons;
    QList<TabButton *> m_tabButtons;
    QList<UiIcon> m_icons;
    QList<QAction *> m_formatActions;
    int m_currentTab = 0;
    int m_storedLastTab = 0;
    qint64 m_menuType = 0;
    bool m_frameFitted = false;
};
