// The designer's picture and icon: import, density, the folder view.
#include "designer/screen/TDesignForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "core/picture/Pic.h"
#include "core/picture/PictureCheck.h"
#include "core/picture/PictureError.h"
#include "designer/screen/TemplateFileImport.h"
#include "designer/surface/TDesignSurface.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString pictureFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void showInFolder(const QString &path)
{
    if (!path.isEmpty())
        DesktopOpener::openFile(QFileInfo(path).absolutePath());
}

} // namespace

void TDesignForm::ImgBrowseButtonClick()
{
    importPicture();
}

void TDesignForm::importPicture()
{
    if (!hasTemplate())
        return;
    const QString chosen = GetOpenFileName(pictureFolder(), QStringLiteral("jpg"), QString(),
                                           QStringLiteral("JPEG files (*.jpg)|*.jpg;*.JPG;*.jpeg;*.JPEG"));
    if (chosen.isEmpty())
        return;
    // Checked where it lies: a file that is no usable picture is neither copied nor named.
    CheckedPicture picture;
    try {
        picture = CheckTemplatePictureFile(chosen);
    } catch (const PictureError &refusal) {
        ShowMsgWarn(refusal.message());
        return;
    }
    const QString oldPicture = m_header->fieldByName(QStringLiteral("ImgFile"))->asString().trimmed();
    const TemplateFileImport plan = PlanTemplateFileImport(m_db, TemplateFileKind::Picture, chosen, currentRefNo());
    CarryOutFileImport(plan);
    try {
        const QVariantMap columns = ImportedPictureColumns(plan.fileName, picture);
        if (!m_header->isEditing())
            m_header->edit();
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            m_header->fieldByName(it.key())->setValue(it.value());
        if (!m_header->post())
            throw CorvaneError(QStringLiteral("单据格式没有保存"));
    } catch (...) {
        if (m_header->isEditing())
            m_header->cancel();
        if (plan.copy)  // the copy no template names
            RemoveTemplateFileWhenUnused(m_db, TemplateFileKind::Picture, plan.fileName);
        throw;
    }
    // The picture it replaced goes once no template names it.
    if (oldPicture != plan.fileName)
        RemoveTemplateFileWhenUnused(m_db, TemplateFileKind::Picture, oldPicture);
    colourPictureBox();
    m_surface->showPicture(plan.fileName);
}

void TDesignForm::IconBrowseButtonClick()
{
    if (!hasTemplate())
        return;
    const QString chosen = GetOpenFileName(pictureFolder(), QStringLiteral("bmp"), QString(),
                                           QStringLiteral("BMP files (*.bmp)|*.bmp;*.BMP"));
    if (chosen.isEmpty())
        return;
    const TemplateFileImport plan = PlanTemplateFileImport(m_db, TemplateFileKind::Icon, chosen, currentRefNo());
    CarryOutFileImport(plan);
    if (!m_header->isEditing())
        m_header->edit();
    m_header->fieldByName(QStringLiteral("smallpic"))->setValue(plan.fileName);
    m_header->post();
}

// Reads the picture's density again (it may have been replaced outside) and shows its folder.
void TDesignForm::rereadPictureResolution()
{
    if (!hasTemplate())
        return;
    const QString path = TemplateFilePath(TemplateFileKind::Picture, m_header->fieldByName(QStringLiteral("ImgFile"))->asString());
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)) {
        try {
            const JpegResolution resolution = GetJPEGRes(path);
            if (!m_header->isEditing())
                m_header->edit();
            m_header->fieldByName(QStringLiteral("xDpi"))->setValue(resolution.xDensity);
            m_header->fieldByName(QStringLiteral("yDpi"))->setValue(resolution.yDensity);
            m_header->fieldByName(QStringLiteral("DpiUnit"))->setValue(resolution.units);
            m_header->post();
            colourPictureBox();
        } catch (const PictureError &) {
            // an unreadable picture keeps its stored density
        }
    }
    showInFolder(path);
}

void TDesignForm::ImgFileDblClick()
{
    rereadPictureResolution();
}

void TDesignForm::IconFileDblClick()
{
    if (hasTemplate())
        showInFolder(TemplateFilePath(TemplateFileKind::Icon, m_header->fieldByName(QStringLiteral("smallpic"))->asString()));
}
