// The main window's layout remembered across starts and placed on the screens present.
#include "ui/windowlayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>

#include "support/filereadwritedata.h"
#include "support/filereplace.h"
#include "support/log.h"
#include "support/progdir.h"
#include "ui/mainform.h"

namespace {

const char* const LayoutFile = "window.dat";

// The part of the rectangle that lies on the screen, in square pixels; 0 when they do not meet.
long long Overlap(const QRect& screen, const QRect& frame)
{
    const QRect common = screen.intersected(frame);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// The available areas of the screens, the primary first.
QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    return areas;
}

}  // namespace

std::optional<WindowLayout> ReadWindowLayout()
{
    std::string line;
    if (!ReadDataFile(LayoutFile, line))
        return std::nullopt;
    const QStringList fields = QString::fromStdString(line).split(' ', Qt::SkipEmptyParts);
    if (fields.size() != 6)
        return std::nullopt;
    int numbers[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        numbers[i] = fields[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const auto isState = [](int value) { return value == 0 || value == 1; };
    if (numbers[2] <= 0 || numbers[3] <= 0 || !isState(numbers[4]) || !isState(numbers[5]))
        return std::nullopt;
    return WindowLayout{QRect(numbers[0], numbers[1], numbers[2], numbers[3]), numbers[4] == 1, numbers[5] == 1};
}

void WriteWindowLayout(const WindowLayout& layout)
{
    const QRect& frame = layout.frame;
    const QString line = QString("%1 %2 %3 %4 %5 %6\r\n")
                             .arg(frame.left())
                             .arg(frame.top())
                             .arg(frame.width())
                             .arg(frame.height())
                             .arg(layout.frameMaximised ? 1 : 0)
                             .arg(layout.drawingsMaximised ? 1 : 0);
    if (ReplaceFile(DataFilePath(LayoutFile), line.toStdString()) != ReplaceResult::Done)
        WriteErrorLog("Impossibile salvare la disposizione della finestra " + DataFilePath(LayoutFile));
}

QRect PlaceOnScreens(const QRect& frame, const QList<QRect>& screens, QSize minimum)
{
    if (screens.isEmpty())
        return frame;
    const QRect* screen = &screens.front();
    for (const QRect& candidate : screens)
        if (Overlap(candidate, frame) > Overlap(*screen, frame))
            screen = &candidate;
    const QSize size = frame.size().boundedTo(screen->size()).expandedTo(minimum);
    const int left = std::max(screen->left(), std::min(frame.left(), screen->right() + 1 - size.width()));
    const int top = std::max(screen->top(), std::min(frame.top(), screen->bottom() + 1 - size.height()));
    return QRect(QPoint(left, top), size);
}

bool ShowRememberedLayout(TMainForm& mainForm)
{
    const std::optional<WindowLayout> layout = ReadWindowLayout();
    if (!layout)
        return false;
    mainForm.setGeometry(PlaceOnScreens(layout->frame, ScreenAreas(), mainForm.minimumSize()));
    mainForm.drawingsMaximised = layout->drawingsMaximised;
    if (layout->frameMaximised)
        mainForm.showMaximized();
    else
        mainForm.show();
    return true;
}

void RememberLayout(const TMainForm& mainForm)
{
    if (mainForm.isVisible())
        WriteWindowLayout({mainForm.normalGeometry(), mainForm.isMaximized(), mainForm.drawingsMaximised});
}
