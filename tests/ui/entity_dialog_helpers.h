// Helpers of the entity dialog tests: small drawings of horizontal lines, dragging a rubber band over a preview
// in drawing coordinates, reading the preview's picture, and acting on a dialog once it runs modally.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "model/drawing_builders.h"
#include "ui/paintbox.h"
#include "ui/previewform.h"

namespace entity_dialogs {

// Paths 1..count, path k the line from (0, 50 (k - 1)) to (100, 50 (k - 1)); modified cleared.
inline Drw Rows(int count)
{
    Drw drawing;
    for (int k = 0; k < count; ++k)
        AddChainPath(drawing, {{0, 50.0 * k}, {100, 50.0 * k}});
    drawing.modified = false;
    return drawing;
}

// The rows of a drawing made by Rows, path by path: the y of each path's first entity divided by 50 (its former
// path number minus one, as long as the paths were only deleted or reordered).
inline std::vector<int> RowNumbers(const Drw& drawing)
{
    std::vector<int> rows;
    for (const Entity& entity : drawing.entities)
        if (!entity.joinedPrev)
            rows.push_back(static_cast<int>(entity.y1 / 50));
    return rows;
}

// Press at the drawing point (x1, y1), move to (x2, y2) and release there, on the form's preview.
inline void Drag(PreviewForm& form, double x1, double y1, double x2, double y2)
{
    int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
    form.view->ToPixel(x1, y1, px1, py1);
    form.view->ToPixel(x2, y2, px2, py2);
    QTest::mousePress(form.DisPaintBox, Qt::LeftButton, {}, QPoint(px1, py1));
    QTest::mouseMove(form.DisPaintBox, QPoint((px1 + px2) / 2, (py1 + py2) / 2));
    QTest::mouseMove(form.DisPaintBox, QPoint(px2, py2));
    QTest::mouseRelease(form.DisPaintBox, Qt::LeftButton, {}, QPoint(px2, py2));
}

// A rubber band around the drawing point (x, y), reach mm to each side.
inline void DragAround(PreviewForm& form, double x, double y, double reach = 5)
{
    Drag(form, x - reach, y - reach, x + reach, y + reach);
}

// The colour of the preview pixel at the drawing point (x, y).
inline QRgb PixelAt(const PreviewForm& form, double x, double y)
{
    int px = 0, py = 0;
    form.view->ToPixel(x, y, px, py);
    return form.DisPaintBox->Image().pixel(px, py);
}

// Whether a pixel within two of the drawing point (x, y) shows colour (the end markers are squares of side 4).
inline bool ColourNear(const PreviewForm& form, double x, double y, QRgb colour)
{
    int px = 0, py = 0;
    form.view->ToPixel(x, y, px, py);
    const QImage& image = form.DisPaintBox->Image();
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.valid(px + dx, py + dy) && image.pixel(px + dx, py + dy) == colour)
                return true;
    return false;
}

const QRgb Marker = qRgb(255, 255, 0);    // selection colour 1
const QRgb Pen = qRgb(0xA0, 0xF0, 0xF0);  // the previews' entity pen
const QRgb Background = qRgb(0, 0, 0);

// Runs act on the dialog of type Form as soon as it runs modally (polling the event loop), then rejects the
// dialog if act left it open, so that a failing test cannot hang in exec(). Set found when it was seen. The
// polling ends after a few seconds when no such dialog appears.
template <typename Form>
void WhenModal(std::function<void(Form&)> act, bool* found = nullptr)
{
    auto* poller = new QTimer;
    poller->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poller, &QTimer::timeout, [poller, act, found, tries] {
        auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        if (!form && ++*tries < 300)
            return;
        poller->stop();
        poller->deleteLater();
        if (!form)
            return;
        poller->stop();
        poller->deleteLater();
        if (found)
            *found = true;
        act(*form);
        if (form->isVisible())
            form->reject();
    });
    poller->start();
}

}  // namespace entity_dialogs
