#include "gui/dialogs/MessageSeam.h"

#include <QApplication>
#include <QGridLayout>
#include <QSpacerItem>

#include <algorithm>

namespace {

// A short message makes a narrow box whose title the window manager cuts to "Q...t": the box
// is kept wide enough for its title and the title bar's buttons.
void keepTitleReadable(QMessageBox &box)
{
    auto *layout = qobject_cast<QGridLayout *>(box.layout());
    if (!layout)
        return;
    const int width = std::max(320, box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200);
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), layout->rowCount(), 0, 1,
                    layout->columnCount());
}

MessageSeam::Handler &installedHandler()
{
    static MessageSeam::Handler handler;
    return handler;
}
}

QMessageBox::StandardButton MessageSeam::ask(const MessageRequest &request)
{
    if (installedHandler())
        return installedHandler()(request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, QApplication::activeWindow());
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    keepTitleReadable(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageSeam::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}
