// PreviewForm: what the entity dialogs share. A preview of a drawing in a lowered panel with its zoom tool bar
// (zoom in and out, zoom extents, four pans, hold-to-repeat), zoom by the mouse wheel, picking whole paths with a
// rubber-band rectangle into a list of path numbers, and the periodic update the main window's timer runs.
#pragma once

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

#include "model/drw.h"
#include "render/mydraw.h"

class PaintBox;
class QFrame;
class QToolBar;
class QToolButton;

class PreviewForm : public QDialog {
    Q_OBJECT

public:
    // The held-button counters, in the order of zoomRepeat.
    enum RepeatButton { RepeatZoomIn, RepeatZoomOut, RepeatLeft, RepeatUp, RepeatRight, RepeatDown, RepeatCount };

    // One tick of the main window's timer while active: a pending repaint, then the held zoom and pan buttons
    // (a held button acts again from the third tick after its press).
    void PeriodicUpdate();

    // The zoom tool bar's commands, each followed by the dialog's repaint.
    void ZoomIn();
    void ZoomOut();
    void ZoomExtentsClick();
    void ZoomLeft();
    void ZoomUp();
    void ZoomRight();
    void ZoomDown();
    // The wheel at pixel (x, y) of the preview: towards the user (delta < 0) zooms out about it, else in; nothing
    // outside the preview, nor for a wheel without vertical movement (delta 0). Returns whether it zoomed.
    bool WheelAt(int x, int y, int delta);

    // The picked path numbers in the order they were picked, without repeats.
    int SelectedCount() const { return static_cast<int>(selectedPaths.size()); }

    // A tool button of the zoom tool bar by its component name; nullptr when there is none.
    QToolButton* Button(const QString& name) const;

    // ---- Data ----
    std::array<double, 4> zoomExtents{};  // min x, min y, max x, max y (mm)
    Drw workDrw;                          // the drawing the preview shows
    std::unique_ptr<myDraw> view;         // exists from show to close
    int redrawRequest = 0;
    std::array<int, RepeatCount> zoomRepeat{};
    std::vector<int> selectedPaths;
    bool active = false;

    QFrame* DisPanel = nullptr;
    PaintBox* DisPaintBox = nullptr;
    QToolBar* ZoomToolBar = nullptr;

protected:
    PreviewForm(QWidget* owner, Qt::WindowFlags flags);
    ~PreviewForm() override;

    // The lowered panel at panelAt holding a paint box of boxSize pixels, and the zoom tool bar at toolBarAt.
    void CreatePreview(QPoint panelAt, QSize boxSize, QPoint toolBarAt);
    // The zoom hints from the message catalogue ("Zoom in" and "Zoom out" keep their fixed texts).
    void ApplyZoomHints();
    // Creates the renderer on the paint box with the preview colours; axisLayerPen adds the axis layer's pen.
    // Then zoom extents, counters cleared.
    void CreateView(bool axisLayerPen);
    // The view shows workDrw's bounding box exactly, pan 0.
    void ZoomExtents();
    // Paints the background, then whatever paint draws, onto the paint box.
    template <typename Fn>
    void PaintPicture(Fn&& paint);
    // Small squares in selection colour 1 at the ends of every picked path's entities in drawing.
    void DrawPickedEnds(const Drw& drawing);

    // The dialog's show handler and its repaint (which every zoom step and pending repaint runs).
    virtual void FormShow() = 0;
    virtual void Refresh() = 0;
    // Whether the mouse picks on the preview now, the drawing it picks in, and what follows a pick.
    virtual bool PickingOn() const { return true; }
    virtual const Drw& PickDrawing() const { return workDrw; }
    virtual void PathsPicked() = 0;

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateZoomToolBar(QPoint at);
    // Around one repaint of the paint box: the burst of drawing opened and closed.
    void BeginPreviewPaint();
    void EndPreviewPaint();
    // The rubber band: press starts it, moves drag it, release ends it and picks the paths it crosses.
    void MousePress(QPoint at);
    void MouseMove(QPoint at);
    void MouseRelease(QPoint at);
    void RunRepeat(int index);

    bool rubberBand = false;  // a press on the preview started a rectangle
};

template <typename Fn>
void PreviewForm::PaintPicture(Fn&& paint)
{
    if (!view)
        return;
    BeginPreviewPaint();
    view->DrawBackground();
    paint();
    EndPreviewPaint();
}
