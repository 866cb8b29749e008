#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TDesignSurface;

// The property panel of the template designer: the current field's properties, bound to the
// surface's selection. Position, size, alignment, printing, showing, kind, font and data column
// are written into every selected field; the other boxes into the current field only. While
// no field is selected the panel hides and the template panel given to it shows.
class TFieldPropertyPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TFieldPropertyPanel(TDesignSurface *surface, QWidget *parent = nullptr);

    // The panel shown in this one's place while nothing is selected (may be none).
    void setTemplatePanel(QWidget *templatePanel);

    // Re-reads the current field into the boxes.
    void refresh();

private:
    QWidget *buildGeneral();
    QWidget *buildDropDownPanel();
    QWidget *buildPickerPanel();
    QWidget *buildCellsPanel();
    QWidget *buildGridPanel();
    QWidget *buildCheckColumnsPanel();
    QWidget *buildSumFieldPanel();
    QWidget *buildAlignPanel();
    void connectEdits();

    void followSelection();
    void fillColumnList();
    void showSubPanels(const QString &kind);

    // Writes columns into every selected field.
    void applyToSelection(const QVariantMap &columns);
    // Writes columns into the current field.
    void applyToCurrent(const QVariantMap &columns);
    // A typed position or size, into every selected field, or refused with a message when a
    // field could not be seen with it (the box then shows the stored value).
    void applyNumber(QLineEdit *edit, const QString &column);
    void showStoredNumber(QLineEdit *edit, const QString &column);
    void changeKind(const QString &newKind);
    void changeColumn(const QString &column);
    void chooseFont();
    void choosePicker(const QString &name);
    void choosePickerFields();
    void addGridColumn();

    int currentTag() const;
    QString currentText(const QString &column) const;

    TDesignSurface *m_surface;
    QPointer<QWidget> m_templatePanel;
    bool m_loading = false;
    int m_listedTag = -1;

    QLabel *m_tag = nullptr;
    QLineEdit *m_caption = nullptr;
    QLabel *m_columnLabel = nullptr;
    QComboBox *m_column = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QComboBox *m_xAlign = nullptr;
    QComboBox *m_yAlign = nullptr;
    QComboBox *m_needPrint = nullptr;
    QComboBox *m_needShow = nullptr;
    QComboBox *m_kind = nullptr;
    QPushButton *m_font = nullptr;
    QComboBox *m_captionVisible = nullptr;
    QSpinBox *m_initType = nullptr;
    QCheckBox *m_multiLine = nullptr;
    QLineEdit *m_textForm = nullptr;

    QWidget *m_dropDownPanel = nullptr;
    QComboBox *m_dropDownName = nullptr;
    QLineEdit *m_dropRelComp = nullptr;
    QSpinBox *m_dropDownLevel = nullptr;
    QWidget *m_pickerPanel = nullptr;
    QComboBox *m_pickerName = nullptr;
    QLineEdit *m_pickSetFields = nullptr;
    QPushButton *m_pickSetFieldsButton = nullptr;
    QWidget *m_cellsPanel = nullptr;
    QSpinBox *m_digitalCount = nullptr;
    QLabel *m_fitParamLabel = nullptr;
    QSpinBox *m_fitParam = nullptr;
    QWidget *m_gridPanel = nullptr;
    QLineEdit *m_gridCal = nullptr;
    QSpinBox *m_gridTitleH = nullptr;
    QSpinBox *m_gridLineNum = nullptr;
    QPushButton *m_addColumn = nullptr;
    QWidget *m_checkColumnsPanel = nullptr;
    QSpinBox *m_checkColumns = nullptr;
    QWidget *m_sumFieldPanel = nullptr;
    QComboBox *m_sumField = nullptr;
    QWidget *m_alignPanel = nullptr;
};
