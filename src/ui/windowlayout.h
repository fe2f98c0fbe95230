// The main window's remembered layout: its size and position when not maximised, whether it is maximised, and
// whether drawing windows open maximised. It lives in the program folder's data/window.dat as one line of six
// numbers (left, top, width, height in pixels, then 1 or 0 for the two states) and is placed on the screens
// present when the program starts again.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

class TMainForm;

struct WindowLayout {
    QRect frame;  // the main window's normal geometry (without the window manager's frame), pixels
    bool frameMaximised = false;
    bool drawingsMaximised = false;
};

// The remembered layout; none when the file is missing or its line is not six numbers with a positive size and
// 0 or 1 for each state.
std::optional<WindowLayout> ReadWindowLayout();

// Stores layout for the next start; a file that cannot be written is noted in ErrorLog.
void WriteWindowLayout(const WindowLayout& layout);

// frame placed on the screens present (their available areas, the primary first): on the screen it overlaps
// most, or on the primary when it overlaps none; no larger than that screen but at least minimum; moved inside
// the screen as far as its size allows. frame unchanged when there is no screen.
QRect PlaceOnScreens(const QRect& frame, const QList<QRect>& screens, QSize minimum);

// Shows mainForm as it was left, placed on the screens present, and lets its drawing windows open maximised when
// they did. False, nothing shown, when nothing is remembered.
bool ShowRememberedLayout(TMainForm& mainForm);

// Remembers the layout of mainForm while it is shown, for the next start.
void RememberLayout(const TMainForm& mainForm);
