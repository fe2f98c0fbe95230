// The drawing state in the main window's status bar: Osnap and Griglia as checkable indicators bound to their
// menu entries (clicking one toggles it as the entry does, and each follows its entry), and what the active
// drawing window is doing: the drawing tool and the point it expects, the zoom window, or the simulation's path.
#pragma once

#include <string>

class QAction;
class QLabel;
class QStatusBar;
class QToolButton;
class TMDIChild;

// "Linea: secondo punto" while a drawing tool waits for a point, "Zoom finestra: ..." while the zoom window waits
// for its rectangle, "Percorso 3 / 69  -  125.40 mm" (the path's length) while the simulation is at a path; empty
// otherwise.
std::string ActivityText(const TMDIChild& child);

class StatusIndicators {
public:
    // Adds the activity label and the two indicators, in this order, at the right of bar; each indicator shows
    // its entry's caption and check mark and triggers it when clicked.
    StatusIndicators(QStatusBar* bar, QAction* osnapEntry, QAction* gridEntry);

    // The activity of child (nothing without a window); called on every tick.
    void Follow(const TMDIChild* child);

    QLabel* ActivityLbl;
    QToolButton* OsnapIndicator;
    QToolButton* GrigliaIndicator;
};
