#pragma once

#include "bills/history/HistoryFilter.h"
#include "core/grid/GridLayout.h"
#include "core/messages/MessageReceiver.h"

#include <QHash>
#include <QWidget>

class DataGrid;
class DataSet;
class QComboBox;
class NullableDateEdit;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSqlDatabase;

// The history query (数据查询): lists the saved bills of one kind, filtered by the boxes on the
// left, and reopens, prints, deletes, moves or exports them.
class TDbQueryForm : public QWidget, public MessageReceiver
{
    Q_OBJECT

public:
    explicit TDbQueryForm(QWidget *owner);
    ~TDbQueryForm() override;

    DataSet *dataSet() const { return m_rows; }
    DataGrid *grid() const { return m_grid; }
    int currentKind() const { return m_kind; }
    const QString &kindWord() const { return m_kindWord; }
    const QString &dataTable() const { return m_table; }

    // Colours the buttons, shows the kind's boxes and lists its rows.
    void runKind(int index);
    // Opens the list over a table (an empty kind word lists every row of it).
    void openQuery(const QString &table, const QString &kindWord, const QString &detailTable, const SqlCondition &condition);
    // The boxes as the user filled them.
    HistoryFilterBoxes filterBoxes() const;
    // Only the two date boxes change; the list follows at the next kind click.
    void applyDatePreset(const QString &preset, const QDate &today);

    void openCurrentBill();
    void printSelected();
    void deleteSelected();
    void changeSelectedFormat();
    void exportList();
    // "Excel导入" into the shown kind and "淘宝订单导入" into waybills; the list then shows the
    // bills just made.
    void importSheet();
    void importShopOrders();
    // Lists the bills of the shown kind with these RefNos.
    void showBills(const QList<qint64> &refNos);
    void saveGridLayout();

    void WndProc(const WindowMessage &message) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *addBox(QFormLayout *form, const QString &caption, const char *name, QString (*picker)(const QSqlDatabase &, QWidget *));
    void showGroups(int groups);
    void colourKindButtons();
    void openRefNo(qint64 refNo);
    QList<int> selectedRows() const;
    QString layoutSection() const;
    void setTitlesAndFooters();
    void hideDerivedColumns();
    // Each kind keeps its own columns (shown, order, widths) while the screen is open.
    void keepColumnChoice();
    void restoreColumnChoice();
    void openEmpty();

    DataSet *m_rows;
    DataGrid *m_grid;
    QList<QPushButton *> m_kindButtons;
    QList<QPair<int, QWidget *>> m_groupWidgets;  // group -> caption or control
    QPushButton *m_shopImport = nullptr;
    QPushButton *m_sheetImport = nullptr;
    QLineEdit *m_amountFrom = nullptr;
    QLineEdit *m_amountTo = nullptr;
    QComboBox *m_datePreset = nullptr;
    NullableDateEdit *m_startDate = nullptr;
    NullableDateEdit *m_endDate = nullptr;
    QComboBox *m_audit = nullptr;
    QComboBox *m_void = nullptr;
    QLineEdit *m_payee = nullptr;
    QLineEdit *m_account = nullptr;
    QLineEdit *m_drawer = nullptr;
    QLineEdit *m_receiver = nullptr;
    QLineEdit *m_consignee = nullptr;
    QComboBox *m_waybillType = nullptr;
    QLineEdit *m_customer = nullptr;
    QLineEdit *m_partNo = nullptr;
    QLineEdit *m_partName = nullptr;
    QLineEdit *m_partStandard = nullptr;
    int m_kind = 0;
    QString m_kindWord;
    QString m_table;
    QString m_detailTable;
    QString m_userId;
    bool m_shown = false;
    int m_defaultRowHeight = 0;
    QHash<QString, GridLayout> m_columnChoices;  // by layout section
};
