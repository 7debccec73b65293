#include "legislation/LibraryPdf.h"

#include "base/ShownError.h"
#include "legislation/DocumentLibrary.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>

#include <vector>

namespace velkor {

namespace {

constexpr int kResolution = 300;
constexpr qreal kMarginMm = 20;
// Liberation Sans has the Turkish letters and the metrics of the fonts documents are written for.
const QString kFontFamily = QStringLiteral("Liberation Sans");

QString failed(const QString& path, const QString& reason) {
    return QStringLiteral("PDF dosyası yazılamadı: %1\n\rSistem Mesajı: %2")
        .arg(QFileInfo(path).absoluteFilePath(), reason);
}

/// A document's text: HTML as rich text, anything else as plain lines.
QTextDocumentFragment fragmentOf(const QString& text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text)
                                     : QTextDocumentFragment::fromPlainText(text);
}

void startOnNewPage(QTextCursor& cursor) {
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(format);
}

void buildDocument(QTextDocument& document, const DocumentLibrary& library, const QString& title) {
    const QStringList names = library.names();
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(20);
    heading.setFontWeight(QFont::Bold);
    // The program's name and the library's each take a line of their own.
    const QStringList titleLines = title.split(QStringLiteral(" - "));
    for (qsizetype i = 0; i < titleLines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(titleLines.at(i), heading);
    }
    QTextBlockFormat spaced;
    spaced.setTopMargin(24);
    cursor.insertBlock(spaced);
    QTextCharFormat plain;
    plain.setFontPointSize(12);
    cursor.insertText(QStringLiteral("İçindekiler"), heading);
    for (const QString& name : names) {
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(name, plain);
    }
    for (const QString& name : names) {
        startOnNewPage(cursor);
        cursor.insertFragment(fragmentOf(library.read(name)));
    }
}

/// Narrows the pictures wider than `width` (in the 96-dpi units of pictures) to it, so
/// that each stays whole on its page.
void fitPictures(QTextDocument& document, qreal width) {
    std::vector<std::pair<int, QTextImageFormat>> narrowed;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QImage picture =
                document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            const qreal shown =
                format.hasProperty(QTextFormat::ImageWidth) ? format.width() : picture.width();
            if (shown <= width || picture.isNull())
                continue;
            const qreal high = format.hasProperty(QTextFormat::ImageHeight)
                                   ? format.height()
                                   : picture.height() * shown / picture.width();
            format.setWidth(width);
            format.setHeight(high * width / shown);
            narrowed.emplace_back(it.fragment().position(), format);
        }
    }
    for (const auto& [position, format] : narrowed) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

} // namespace

int writeLibraryPdf(const DocumentLibrary& library, const QString& title, const QString& path) {
    QTextDocument document;
    QFont font(kFontFamily);
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setResourceProvider([&library](const QUrl& source) -> QVariant {
        const QImage picture = QImage::fromData(library.picture(source.toString()));
        return picture.isNull() ? QVariant() : QVariant(picture);
    });
    buildDocument(document, library, title);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ShownError(failed(path, file.errorString()));
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolution);
        writer.setCreator(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı"));
        writer.setTitle(title);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);

        // Laid out for the writer, so that fonts and pictures take their printed sizes.
        document.documentLayout()->setPaintDevice(&writer);
        const QRect body = writer.pageLayout().paintRectPixels(kResolution);
        const qreal footer = kResolution * 0.4;
        const QSizeF page(body.width(), body.height() - footer);
        fitPictures(document, page.width() * 96 / kResolution);
        document.setPageSize(page);
        pages = document.pageCount();

        QPainter painter(&writer);
        QFont footerFont(kFontFamily);
        footerFont.setPointSize(8);
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            painter.save();
            painter.translate(0, -i * page.height());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, i * page.height(), page.width(), page.height());
            painter.setClipRect(context.clip);
            document.documentLayout()->draw(&painter, context);
            painter.restore();
            painter.setFont(footerFont);
            painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignCenter,
                             QStringLiteral("%1 - Sayfa %2/%3").arg(title).arg(i + 1).arg(pages));
        }
    }
    if (!file.commit())
        throw ShownError(failed(path, file.errorString()));
    return pages;
}

} // namespace velkor
