// The export command of quorvia-cli: each format by the output's extension, the PDF's page, the bitmap the same
// as the bitmap command's, and a file it cannot write.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPageSize>

#include "cli_runner.h"
#include "ui/pdf_pages.h"

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Exports the mixed fixture, asserting success, and returns the file's bytes.
QByteArray Export(const CliOutputFolder& folder, const QString& name, const QStringList& options = {})
{
    const CliResult result =
        RunCli(QStringList{"export"} + options + QStringList{Fixture("cli/mixed.dxf"), folder.File(name)});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return Bytes(folder.File(name));
}

}  // namespace

TEST(CliExport, WritesTheFormatOfTheExtension)
{
    CliOutputFolder folder;
    EXPECT_EQ(QImage::fromData(Export(folder, "out.png"), "PNG").size(), QSize(1600, 1200));
    EXPECT_TRUE(Export(folder, "out.svg").contains("<g id=\"path-1\">"));
    const QByteArray bmp = Export(folder, "out.bmp");
    ASSERT_EQ(RunCli({"bitmap", Fixture("cli/mixed.dxf"), folder.File("bitmap.bmp")}).exitCode, 0);
    EXPECT_TRUE(bmp == Bytes(folder.File("bitmap.bmp")));
}

TEST(CliExport, PdfOnTheChosenPage)
{
    CliOutputFolder folder;
    for (const auto& [option, paper] :
         {std::pair{QStringList{}, QPageSize::A4}, std::pair{QStringList{"--page", "a3"}, QPageSize::A3}}) {
        const std::vector<QSizeF> pages = PdfPageSizes(Export(folder, "out.pdf", option));
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(qRound(std::max(pages[0].width(), pages[0].height())), QPageSize(paper).sizePoints().height());
    }
}

TEST(CliExport, FailedWriteExitsWithOne)
{
    CliOutputFolder folder;
    const CliResult missing = RunCli({"export", Fixture("cli/mixed.dxf"), folder.File("no/such/out.svg")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("EXP001")) << missing.err.toStdString();
}
