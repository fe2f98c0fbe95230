// What the operator can see and reach: a control is reachable when it is visible, enabled, and the widget found
// at its centre from its top-level window is the control itself or one of its children, so no sibling covers it.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace reachability {

// Empty when control is reachable; otherwise why not.
inline QString WhyUnreachable(const QWidget* control)
{
    const QString name = control->objectName();
    if (!control->isVisible())
        return name + " is not visible";
    if (!control->isEnabled())
        return name + " is not enabled";
    const QWidget* top = control->window();
    const QPoint centre = control->mapTo(top, control->rect().center());
    const QWidget* found = top->childAt(centre);
    if (found != control && !control->isAncestorOf(found))
        return name + " is covered by " + (found ? found->objectName() + " (" + found->metaObject()->className() + ")"
                                                 : QString("nothing"));
    return {};
}

}  // namespace reachability

// Fails the test when the control cannot be seen and reached by the operator.
#define QVERIFY_REACHABLE(control)                                                            \
    do {                                                                                      \
        const QString why = reachability::WhyUnreachable(control);                            \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                             \
    } while (false)
