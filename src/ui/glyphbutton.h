// A push button with a theme icon at a fixed place, as the archive dialogs use them; it never acts as the
// dialog's default button.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QRect>

inline QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const char* icon, const QRect& place, bool bold)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon::fromTheme(icon));
    button->setGeometry(place);
    button->setAutoDefault(false);
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
    return button;
}
