#pragma once

#include <QPointF>
#include <QScrollArea>
#include <QSize>
#include <QString>

#include <memory>

class DataSet;
class QLabel;

// The page of the designer until the editing surface takes its place: the picture at the
// template's paper offset against the margin strips, and the template's field rows held in
// memory until they are written.
class DesignPage : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int kLeftStripWidth = 50;
    static constexpr int kTopStripHeight = 30;

    explicit DesignPage(QWidget *parent = nullptr);
    ~DesignPage() override;

    // Shows the template `refNo`: picture, offset, fields. Unsaved field changes are dropped.
    void load(const QString &refNo);
    // An empty page; nothing is written.
    void clear();
    void setPageOffset(const QPointF &offsetMm);
    void showPicture(const QString &imgFile, bool enciphered);
    QSize pictureSize() const { return m_pictureSize; }
    QPoint pagePosition() const;

    bool hasUnsavedChanges() const;
    // Writes the collected field changes (inside the caller's transaction when there is one).
    void writeFields();
    DataSet *fields() const { return m_fields.get(); }

private:
    QWidget *m_back;
    QWidget *m_leftStrip;
    QWidget *m_topStrip;
    QLabel *m_picture;
    QSize m_pictureSize;
    std::unique_ptr<DataSet> m_fields;
};
