// What the operator can see and reach: a control is reachable when it is visible, enabled, and the widget found
// at its centre from its top-level window is the control itself or one of its children, so no sibling covers it.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QString>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QWidget>

#include <initializer_list>
#include <utility>

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
        return name + " is covered by " +
               (found ? found->objectName() + " (" + found->metaObject()->className() + ")" : QString("nothing"));
    return {};
}

// Empty when no two of the widgets overlap on the screen; otherwise which two do.
inline QString Overlapping(std::initializer_list<const QWidget*> widgets)
{
    for (auto a = widgets.begin(); a != widgets.end(); ++a)
        for (auto b = a + 1; b != widgets.end(); ++b) {
            const QRect ra((*a)->mapTo((*a)->window(), QPoint(0, 0)), (*a)->size());
            const QRect rb((*b)->mapTo((*b)->window(), QPoint(0, 0)), (*b)->size());
            if (ra.intersects(rb))
                return (*a)->objectName() + " overlaps " + (*b)->objectName();
        }
    return {};
}

// The value a slider takes when the operator sets it at pixel at of the slider: a click with the button that the
// style makes set the value where it is clicked.
inline int SliderValueAt(QSlider* slider, QPoint at)
{
    const auto button =
        static_cast<Qt::MouseButton>(slider->style()->styleHint(QStyle::SH_Slider_AbsoluteSetButtons, nullptr, slider));
    QTest::mouseClick(slider, button, {}, at);
    return slider->value();
}

// The values at the top and bottom pixels of a vertical slider, at its centre column.
inline std::pair<int, int> SliderEnds(QSlider* slider)
{
    const int x = slider->width() / 2;
    const int bottom = SliderValueAt(slider, QPoint(x, slider->height() - 1));
    const int top = SliderValueAt(slider, QPoint(x, 0));
    return {top, bottom};
}

}  // namespace reachability

// Fails the test when the control cannot be seen and reached by the operator.
#define QVERIFY_REACHABLE(control)                                 \
    do {                                                           \
        const QString why = reachability::WhyUnreachable(control); \
        QVERIFY2(why.isEmpty(), qPrintable(why));                  \
    } while (false)

// Fails the test when two of the widgets overlap.
#define QVERIFY_APART(...)                                                \
    do {                                                                  \
        const QString overlap = reachability::Overlapping({__VA_ARGS__}); \
        QVERIFY2(overlap.isEmpty(), qPrintable(overlap));                 \
    } while (false)
