#pragma once

#include "designer/properties/TAddFieldButtons.h"
#include "designer/properties/TFieldPropertyPanel.h"
#include "designer/surface/TDesignFieldControl.h"
#include "designer/surface/TDesignSurface.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QtTest>

// A window that places the design surface as the designer screen does: the template panel
// (with the add-field buttons) or the property panel on the left, the surface on the right.
class DesignerHost : public QWidget
{
public:
    DesignerHost()
    {
        auto *layout = new QHBoxLayout(this);
        auto *side = new QVBoxLayout;
        templatePanel = new QWidget;
        templatePanel->setObjectName(QStringLiteral("pnlMain"));
        auto *templateLayout = new QVBoxLayout(templatePanel);
        addButtons = new TAddFieldButtons(surface);
        templateLayout->addWidget(addButtons);
        templateLayout->addStretch();
        properties = new TFieldPropertyPanel(surface);
        properties->setTemplatePanel(templatePanel);
        side->addWidget(templatePanel);
        side->addWidget(properties);
        layout->addLayout(side);
        layout->addWidget(surface, 1);
        resize(1300, 700);
    }

    // Shows the host as the active window.
    bool showActive()
    {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }

    TDesignFieldControl *control(int tag) const { return surface->control(tag); }

    TDesignSurface *surface = new TDesignSurface;
    QWidget *templatePanel = nullptr;
    TAddFieldButtons *addButtons = nullptr;
    TFieldPropertyPanel *properties = nullptr;
};
