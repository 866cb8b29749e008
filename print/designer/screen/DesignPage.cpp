#include "designer/screen/DesignPage.h"

#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/picture/Pic.h"
#include "core/printfun/PrintUnits.h"
#include "designer/screen/TemplateFiles.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>

DesignPage::DesignPage(QWidget *parent)
    : QScrollArea(parent), m_back(new QWidget), m_leftStrip(new QWidget(m_back)), m_topStrip(new QWidget(m_back)),
      m_picture(new QLabel(m_back)), m_fields(std::make_unique<DataSet>())
{
    setObjectName(QStringLiteral("pnlBack"));
    m_back->setObjectName(QStringLiteral("pnlBackArea"));
    m_leftStrip->setObjectName(QStringLiteral("LeftMarginShape"));
    m_topStrip->setObjectName(QStringLiteral("TopMarginShape"));
    m_picture->setObjectName(QStringLiteral("pnlPage"));
    m_leftStrip->setGeometry(0, 0, kLeftStripWidth, 3500);
    m_topStrip->setGeometry(0, 0, 2500, kTopStripHeight);
    for (QWidget *strip : {m_leftStrip, m_topStrip})
        strip->setStyleSheet(QStringLiteral("border: 1px dotted red; background: transparent;"));
    m_back->resize(2500, 3500);
    setWidget(m_back);
    m_fields->setCachedUpdates(true);
    clear();
}

DesignPage::~DesignPage() = default;

void DesignPage::load(const QString &refNo)
{
    m_fields->close();
    m_fields->setConnection(CurAdo);
    m_fields->setSql(QStringLiteral("select * from p_NoteCntlList where RefNo = ?"), {refNo});
    m_fields->open();
    QSqlQuery header = RunStatement(CurAdo, QStringLiteral("select ImgFile, ImgEnc, Xmove, Ymove from p_NoteList where RefNo = ?"),
                                    {refNo});
    if (!header.next())
        return;
    showPicture(header.value(0).toString(), header.value(1).toInt() == 1);
    setPageOffset({header.value(2).toDouble(), header.value(3).toDouble()});
}

void DesignPage::clear()
{
    m_fields->close();
    m_picture->clear();
    m_pictureSize = {};
    m_picture->resize(0, 0);
    setPageOffset({});
}

void DesignPage::setPageOffset(const QPointF &offsetMm)
{
    m_picture->move(kLeftStripWidth + MarginToPix(offsetMm.x()), kTopStripHeight + MarginToPix(offsetMm.y()));
}

QPoint DesignPage::pagePosition() const
{
    return m_picture->pos();
}

void DesignPage::showPicture(const QString &imgFile, bool enciphered)
{
    const QString path = TemplateFilePath(TemplateFileKind::Picture, imgFile);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    QImage image;
    if (enciphered) {
        SetJpegImg(path, image);
    } else if (!image.load(path)) {
        return;
    }
    m_pictureSize = image.size();
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_picture->resize(m_pictureSize);
}

bool DesignPage::hasUnsavedChanges() const
{
    return m_fields->isActive() && (m_fields->isEditing() || m_fields->hasPendingUpdates());
}

void DesignPage::writeFields()
{
    if (m_fields->isActive())
        m_fields->applyUpdates();
}
