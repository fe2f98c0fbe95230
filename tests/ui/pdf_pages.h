// The pages of a PDF file as its page objects declare them, read from the file's bytes (the page objects of the
// PDF files Qt writes stand uncompressed).
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

#include <vector>

// The media box of every page object, in points; width and height as on the page.
inline std::vector<QSizeF> PdfPageSizes(const QByteArray& pdf)
{
    std::vector<QSizeF> sizes;
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpression page(R"(/Type\s*/Page\b(?!s)(.*?)endobj)", QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression box(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])");
    for (auto pages = page.globalMatch(text); pages.hasNext();) {
        const QString object = pages.next().captured(0);
        const QRegularExpressionMatch m = box.match(object);
        if (m.hasMatch())
            sizes.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                               m.captured(4).toDouble() - m.captured(2).toDouble());
        else
            sizes.emplace_back();
    }
    return sizes;
}
