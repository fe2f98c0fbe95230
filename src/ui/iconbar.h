// The narrow vertical tool bars of icon buttons that the drawing window and the path optimisation dialog carry
// beside their pictures: no spacing, not movable, every button a flat square with a theme icon.
#pragma once

#include <QIcon>
#include <QSize>
#include <QToolBar>
#include <QToolButton>

inline QToolBar* MakeIconBar(QWidget* parent, const char* name, int iconSize)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(name);
    bar->setOrientation(Qt::Vertical);
    bar->setMovable(false);
    bar->setIconSize(QSize(iconSize, iconSize));
    bar->setStyleSheet("QToolBar { spacing: 0px; padding: 0px; border: 0px; }");
    return bar;
}

// A square flat button of buttonSize pixels with the theme icon, added to the bar's end.
inline QToolButton* AddIconButton(QToolBar* bar, const char* name, const char* icon, int iconSize, int buttonSize)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setIcon(QIcon::fromTheme(icon));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setFixedSize(buttonSize, buttonSize);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}
