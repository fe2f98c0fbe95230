// quorvia-helpgen: renders a guide written in Markdown into an A4 PDF with numbered pages.
// Usage: quorvia-helpgen GUIDE.md OUTPUT.pdf. Exit 0 on success, 1 when a file cannot be read or written,
// 2 for a usage error. Runs without a display (offscreen platform).

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

namespace {

constexpr int PdfResolution = 300;  // dots per inch of the PDF's layout
const QColor HeadingColour(0x1f, 0x3a, 0x5f);

bool ReadUtf8File(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

// The guide's first heading ("# Title") names the document in the PDF's properties.
QString GuideTitle(const QString& markdown)
{
    for (const QString& line : markdown.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("# ")))
            return line.mid(2).trimmed();
    }
    return QStringLiteral("Quorvia");
}

// Headings in the guide's colour.
void StyleHeadings(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat format;
        format.setForeground(HeadingColour);
        cursor.mergeCharFormat(format);
    }
}

// Tables across the full width, with thin collapsed borders and some room inside the cells.
void StyleTables(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setBorderCollapse(true);
        format.setBorder(1);
        format.setBorderBrush(QColor(0x90, 0x90, 0x90));
        format.setCellPadding(3);
        format.setCellSpacing(0);
        table->setFormat(format);
    }
}

void RenderPdf(const QString& markdown, const QString& outputPath)
{
    QPdfWriter writer(outputPath);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(GuideTitle(markdown));
    writer.setCreator(QStringLiteral("quorvia-helpgen"));

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    StyleHeadings(document);
    StyleTables(document);
    // print() lays the document out on the writer's pages with its own margins and numbers the pages.
    document.print(&writer);
}

// The PDF is complete once its writer is gone; a folder that cannot be written leaves no file.
bool WritePdf(const QString& markdown, const QString& outputPath)
{
    QFile::remove(outputPath);
    RenderPdf(markdown, outputPath);
    return QFileInfo(outputPath).size() > 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: quorvia-helpgen GUIDE.md OUTPUT.pdf\n");
        return 2;
    }
    QString markdown;
    if (!ReadUtf8File(arguments[1], markdown)) {
        std::fprintf(stderr, "quorvia-helpgen: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    if (!WritePdf(markdown, arguments[2])) {
        std::fprintf(stderr, "quorvia-helpgen: cannot write %s\n", qPrintable(arguments[2]));
        return 1;
    }
    return 0;
}
