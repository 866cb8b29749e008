#pragma once

#include "core/report/ReportDefinition.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

// The properties of what the designer has selected: an item (text, font, alignment, frame,
// line width, format, place), a band (height, data set) or, with nothing selected, the page.
// Every edit is written into the definition at once.
class ReportPropertyPanel : public QWidget
{
    Q_OBJECT

public:
    ReportPropertyPanel(ReportDefinition *definition, const QStringList &aliases, QWidget *parent = nullptr);

    void showSelection(std::optional<ReportBandKind> band, int item);

    QPlainTextEdit *TextEdit;
    QPushButton *FontButton;
    QComboBox *HorizontalBox, *VerticalBox, *FormatBox, *DataSetBox;
    QCheckBox *FrameLeftBox, *FrameTopBox, *FrameRightBox, *FrameBottomBox;
    QDoubleSpinBox *LineWidthSpin, *LeftSpin, *TopSpin, *WidthSpin, *HeightSpin;
    QDoubleSpinBox *BandHeightSpin;
    QDoubleSpinBox *PageWidthSpin, *PageHeightSpin, *MarginLeftSpin, *MarginTopSpin, *MarginRightSpin,
        *MarginBottomSpin;

Q_SIGNALS:
    void itemEdited(ReportBandKind band, int index);
    // Band heights, data sets and the page change the surface's layout.
    void layoutEdited();

private:
    QWidget *buildItemPage();
    QWidget *buildBandPage();
    QWidget *buildPagePage();
    ReportItem *currentItem();
    void writeItem();
    void writeBand();
    void writePage();

    ReportDefinition *m_definition;
    QStringList m_aliases;
    QStackedWidget *m_pages;
    QLabel *m_itemKind;
    QLabel *m_bandCaption;
    std::optional<ReportBandKind> m_band;
    int m_item = -1;
    bool m_filling = false;
};
