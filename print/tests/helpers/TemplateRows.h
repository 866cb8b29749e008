#pragma once

#include <QSqlDatabase>
#include <QString>

// Small templates written straight into p_NoteList / p_NoteCntlList / s_ui for designer tests.
namespace TemplateRows {

// A template row; `isDefault` is its "default" text. Returns nothing: the RefNo is given.
void addTemplate(const QString &refNo, const QString &name, const QString &category, const QString &kind,
                 const QString &isDefault = QStringLiteral("是"), const QString &imgFile = QString(), int defNote = 0);
void addField(const QString &refNo, int tag, const QString &caption, int x, int y);
void addIcon(int tab, const QString &refNo, const QString &caption);

// A JPEG of `size` pixels whose JFIF header says `units` (0, 1 dpi, 2 per cm) and the densities.
QByteArray jfifPicture(int width, int height, quint8 units, quint16 xDensity, quint16 yDensity);
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace TemplateRows
