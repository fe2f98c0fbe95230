// The archive browser's page: the thumbnails of up to 24 drawings from the folder listing, selecting one by its
// panel, and paging through the listing.
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "render/mydraw.h"
#include "ui/archivefolder.h"
#include "ui/archiviodisegni.h"
#include "ui/paintbox.h"
#include "ui/previewpaint.h"
#include "ui/qtcolor.h"
#include "ui/widetext.h"

namespace {

constexpr Color HighlightText = 0x0000FF;        // red
constexpr Color HighlightBackground = 0x00FFFF;  // yellow

}  // namespace

void TArchivioDisegniForm::FillPage(const std::string& select)
{
    const std::vector<std::string> names = ListArchiveDrawings(Folder());
    count = 0;
    for (const std::string& name : names) {
        const int k = count - first;
        if (k >= 0 && k < PanelCount)
            LoadThumbnail(k, name);
        ++count;
        if (k >= 0 && k < PanelCount && name == select)
            SelectPanel(k);
    }
    // The paging buttons serve whenever the folder holds drawings, also after the folder changed.
    BtnUp->setEnabled(count > 0);
    BtnDown->setEnabled(count > 0);
}

void TArchivioDisegniForm::LoadThumbnail(int k, const std::string& name)
{
    DisPaintBox[k]->raise();
    // A failed load reports itself; the thumbnail shows what was read.
    thumbDrw[k].Load(ArchiveDrawingPath(Folder(), name));
    thumbView[k] = MakePreviewRenderer(DisPaintBox[k], ThumbPen, ThumbMargin);
    FitPreview(*thumbView[k], thumbDrw[k]);
    Label[k]->setText(ToQString(name));
    thumbName[k] = name;
}

void TArchivioDisegniForm::ClearPage()
{
    count = 0;
    if (selected >= 0)
        HighlightLabel(selected, false);
    selected = -1;
    for (int k = 0; k < PanelCount; ++k) {
        thumbView[k].reset();
        thumbName[k].clear();
        if (k < static_cast<int>(thumbDrw.size()))
            thumbDrw[k].Clear();
        Label[k]->clear();
        BlankPreview(DisPaintBox[k]);
    }
}

void TArchivioDisegniForm::SelectPanel(int k)
{
    if (k < 0 || k >= PanelCount || first + k >= count)
        return;
    if (selected >= 0)
        HighlightLabel(selected, false);
    HighlightLabel(k, true);
    selected = k;
}

void TArchivioDisegniForm::HighlightLabel(int k, bool on)
{
    QLabel* label = Label[k];
    QFont font = label->font();
    font.setBold(on);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(HighlightBackground));
    palette.setColor(QPalette::WindowText, on ? ToQColor(HighlightText) : QColor(Qt::black));
    label->setPalette(palette);
    // Only a highlighted label fills its yellow background.
    label->setAutoFillBackground(on);
}

void TArchivioDisegniForm::ShowPage()
{
    ClearPage();
    FillPage("");
    redrawRequest = 1;
}

void TArchivioDisegniForm::BtnUpClick()
{
    if (first == 0)
        return;
    first = std::max(first - PageStep, 0);
    ShowPage();
}

void TArchivioDisegniForm::BtnDownClick()
{
    // Only towards a page that shows drawings.
    if (first + PageStep >= count)
        return;
    first += PageStep;
    ShowPage();
}

int TArchivioDisegniForm::PanelOf(const QObject* watched) const
{
    const QString name = watched->objectName();
    const QString prefix = "DisPaintBox";
    if (!name.startsWith(prefix))
        return -1;
    bool ok = false;
    const int number = name.mid(prefix.size()).toInt(&ok);
    return ok && number >= 1 && number <= PanelCount ? number - 1 : -1;
}

bool TArchivioDisegniForm::eventFilter(QObject* watched, QEvent* event)
{
    const int k = PanelOf(watched);
    if (k >= 0 && event->type() == QEvent::MouseButtonRelease)
        SelectPanel(k);
    // The first click of a double click has selected the panel already, where the platform reports it.
    if (k >= 0 && event->type() == QEvent::MouseButtonDblClick) {
        SelectPanel(k);
        if (selected >= 0)
            OpenButtonClick();
    }
    return QDialog::eventFilter(watched, event);
}
