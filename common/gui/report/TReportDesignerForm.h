#pragma once

#include "core/report/ReportData.h"
#include "core/report/ReportDefinition.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ReportDesignSurface;
class ReportPropertyPanel;

// The report designer: the published names at the left (data sets with their fields, the
// company data, the variables), the page with its bands in the middle, the properties of the
// selection at the right. 保存 writes the definition to its file.
class TReportDesignerForm : public QDialog
{
    Q_OBJECT

public:
    TReportDesignerForm(const ReportDefinition &definition, const ReportData &data, const QString &filePath,
                        const QString &pictureFolder, QWidget *owner = nullptr);

    const ReportDefinition &definition() const { return m_definition; }
    bool isModified() const { return m_modified; }
    ReportDesignSurface *surface() const { return m_surface; }
    ReportPropertyPanel *properties() const { return m_properties; }
    QTreeWidget *fieldTree() const { return FieldTree; }

    // A text item with the field's reference, in the band that runs over its data set (else in
    // the selected band, else in the title).
    void insertField(const QString &alias, const QString &label);
    void insertVariable(const QString &name);
    // The sum of the field over its rows, right-aligned in the summary band.
    void insertSum(const QString &alias, const QString &label);
    void addItem(ReportItemKind kind);
    void deleteSelectedItem();
    // Writes the file; false (after telling the user) when it could not be written.
    bool save();
    void preview();

    QTreeWidget *FieldTree;
    QPushButton *SaveButton, *PreviewButton, *TextButton, *SumButton, *LineButton, *RectangleButton,
        *PictureButton, *DeleteButton, *BandsButton, *CloseButton;

public Q_SLOTS:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillFieldTree();
    void treeItemActivated(QTreeWidgetItem *item);
    void addItemTo(ReportBandKind band, const ReportItem &item);
    ReportBandKind targetBand() const;
    void toggleBand(ReportBandKind kind, bool present);
    void edited();

    ReportDefinition m_definition;
    const ReportData &m_data;
    QString m_filePath;
    QString m_pictureFolder;
    ReportDesignSurface *m_surface;
    ReportPropertyPanel *m_properties;
    bool m_modified = false;
};
