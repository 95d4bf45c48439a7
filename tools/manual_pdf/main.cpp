// SPDX-License-Identifier: GPL-3.0-or-later
// velmorant_manual_pdf: turns the Markdown user manual into QVHELP.PDF, the file HELP opens.
//
//     velmorant_manual_pdf MANUAL.md SCREENSHOT_DIR OUTPUT.pdf
//
// Images of the manual (![text](screenshots/NAME.png)) are taken from SCREENSHOT_DIR, by their
// path without its first folder and then by their file name; failing that, from the path as
// written, relative to the manual. An image found nowhere is replaced by a short note in the PDF:
// a missing screenshot never fails the build. The pages are A4 with margins and page numbers.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

namespace {

// Resolution of the PDF's layout, dots per inch.
constexpr int kResolution = 300;
// Lengths in a text document's formats (image sizes, borders, padding) count pixels of a
// 96-dpi screen; the layout scales them to the PDF's resolution.
constexpr double kFormatDpi = 96.0;
// Room below the text of each page for the page number, inches.
constexpr double kFooterInches = 0.4;

void Complain(const QString& text) {
    std::fprintf(stderr, "velmorant_manual_pdf: %s\n", qPrintable(text));
}

struct ImageSpot {
    int Position = 0;
    int Length = 0;
    QTextImageFormat Format;
};

// Every image of the document, in document order (table cells included).
std::vector<ImageSpot> FindImages(const QTextDocument& doc) {
    std::vector<ImageSpot> spots;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat()) {
                spots.push_back({fragment.position(), fragment.length(),
                                 fragment.charFormat().toImageFormat()});
            }
        }
    }
    return spots;
}

// The screenshot named in the manual, or an empty text when there is none.
QString LocateImage(const QString& name, const QDir& screenshots, const QDir& manualFolder) {
    const QString path = QUrl(name).path();
    QStringList candidates;
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    if (slash > 0) {
        candidates << screenshots.filePath(path.mid(slash + 1));
    }
    candidates << screenshots.filePath(QFileInfo(path).fileName());
    candidates << manualFolder.filePath(path);
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

// Puts the images into the document at a size that fits the text area, each in the middle of
// its line; an image that cannot be found or read becomes a note in italics.
void ResolveImages(QTextDocument& doc, const QDir& screenshots, const QDir& manualFolder,
                   const QSizeF& area) {
    const double maxWidth = area.width() * kFormatDpi / kResolution;
    const double maxHeight = 0.85 * area.height() * kFormatDpi / kResolution;
    std::vector<ImageSpot> spots = FindImages(doc);
    // From the end, so that replacing one image does not move the ones still to come.
    std::reverse(spots.begin(), spots.end());
    for (const ImageSpot& spot : spots) {
        QTextCursor cursor(&doc);
        cursor.setPosition(spot.Position);
        cursor.setPosition(spot.Position + spot.Length, QTextCursor::KeepAnchor);
        const QString name = spot.Format.name();
        const QString file = LocateImage(name, screenshots, manualFolder);
        const QImage image = file.isEmpty() ? QImage() : QImage(file);
        if (image.isNull()) {
            const QString shown = QFileInfo(QUrl(name).path()).fileName();
            Complain(QStringLiteral("image %1 not found; the PDF shows a note instead").arg(name));
            QTextCharFormat note;
            note.setFontItalic(true);
            note.setForeground(QColor(96, 96, 96));
            cursor.insertText(
                QStringLiteral("[The picture %1 is not available in this copy of the manual.]")
                    .arg(shown),
                note);
            continue;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        const double scale = std::min({1.0, maxWidth / image.width(), maxHeight / image.height()});
        QTextImageFormat format = spot.Format;
        format.setWidth(image.width() * scale);
        format.setHeight(image.height() * scale);
        cursor.setCharFormat(format);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(centred);
    }
}

void StyleTables(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(1);
            format.setBorderBrush(QColor(150, 150, 150));
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(3);
            format.setTopMargin(4);
            format.setBottomMargin(8);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            // The heading row is repeated when a table runs over onto the next page.
            format.setHeaderRowCount(1);
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat heading = cell.format();
                heading.setBackground(QColor(232, 232, 232));
                cell.setFormat(heading);
            }
        }
        StyleTables(child);
    }
}

// Fenced code blocks (command lines, file lines) on a light grey ground, and every fixed-pitch
// text (code blocks and inline code) in one slightly smaller monospaced face.
void StyleCode(QTextDocument& doc, const QFont& bodyFont) {
    QTextCharFormat mono;
    mono.setFontFamilies(QStringList{QStringLiteral("Liberation Mono"),
                                     QStringLiteral("DejaVu Sans Mono"),
                                     QStringLiteral("Courier New")});
    mono.setFontPointSize(bodyFont.pointSizeF() * 0.9);
    // Report excerpts are 80 characters wide and must fit the text width.
    QTextCharFormat codeBlock = mono;
    codeBlock.setFontPointSize(bodyFont.pointSizeF() * 0.82);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().hasProperty(QTextFormat::BlockCodeFence)) {
            QTextCursor cursor(block);
            QTextBlockFormat format;
            format.setBackground(QColor(238, 238, 238));
            format.setLeftMargin(6);
            cursor.mergeBlockFormat(format);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(codeBlock);
            continue;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().fontFixedPitch()) {
                QTextCursor cursor(&doc);
                cursor.setPosition(fragment.position());
                cursor.setPosition(fragment.position() + fragment.length(),
                                   QTextCursor::KeepAnchor);
                cursor.mergeCharFormat(mono);
            }
        }
    }
}

void SetPageBreakBefore(const QTextBlock& block) {
    QTextCursor cursor(block);
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.mergeBlockFormat(format);
}

// Each chapter (a level-2 heading) starts a new page.
void BreakBeforeChapters(QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2) {
            SetPageBreakBefore(block);
        }
    }
}

// A heading left alone at the foot of a page moves to the next page, with the text it heads.
// Only blocks of the main flow are looked at (not table cells, whose positions are relative to
// their table); each round lays the whole document out again.
void KeepHeadingsWithText(QTextDocument& doc, const QSizeF& page) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    auto pageOf = [&](const QTextBlock& block) {
        return static_cast<int>(layout->blockBoundingRect(block).top() / page.height());
    };
    auto inMainFlow = [&](const QTextBlock& block) {
        return QTextCursor(block).currentFrame() == doc.rootFrame();
    };
    // Moving one heading shifts the pages after it, so one heading is moved per round.
    for (int round = 0; round < 50; ++round) {
        doc.setPageSize(QSizeF(page.width(), page.height() + 1));
        doc.setPageSize(page);
        bool moved = false;
        for (QTextBlock block = doc.begin(); block.isValid() && !moved; block = block.next()) {
            const QTextBlock next = block.next();
            if (block.blockFormat().headingLevel() > 0 && next.isValid() && inMainFlow(block) &&
                inMainFlow(next) &&
                block.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_Auto &&
                pageOf(next) > pageOf(block)) {
                SetPageBreakBefore(block);
                moved = true;
            }
        }
        if (!moved) {
            return;
        }
    }
}

// Lays the manual out on pages of `area` (pixels of the document's paint device), in the
// manual's font.
void LayOutManual(QTextDocument& doc, const QString& markdown, const QFont& font,
                  const QDir& screenshots, const QDir& manualFolder, const QSizeF& area) {
    doc.setDefaultFont(font);
    doc.setMarkdown(markdown);
    ResolveImages(doc, screenshots, manualFolder, area);
    StyleTables(doc.rootFrame());
    StyleCode(doc, font);
    BreakBeforeChapters(doc);
    doc.setPageSize(area);
    KeepHeadingsWithText(doc, area);
}

// Draws each page of the laid-out manual with its footer; false when the PDF cannot be written.
bool PrintPages(QPdfWriter& writer, QTextDocument& doc, const QSizeF& area, double footer,
                const QFont& font) {
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    // Screenshots stay sharp: no JPEG compression of the images.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    QFont footerFont = font;
    footerFont.setPointSizeF(9);
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        const QRectF view(0, page * area.height(), area.width(), area.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(80, 80, 80));
        painter.drawText(QRectF(0, area.height(), area.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("VELMORANT User Manual  \u2013  page %1 of %2")
                             .arg(page + 1)
                             .arg(pages));
    }
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
    // No screen is needed: the fonts and the PDF work without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: velmorant_manual_pdf MANUAL.md SCREENSHOT_DIR OUTPUT.pdf\n");
        return 2;
    }
    const QString manualPath = args.at(1);
    const QString outputPath = args.at(3);
    QFile manual(manualPath);
    if (!manual.open(QIODevice::ReadOnly)) {
        Complain(QStringLiteral("cannot read %1").arg(manualPath));
        return 1;
    }

    QPdfWriter writer(outputPath);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 12), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("VELMORANT User Manual"));
    writer.setCreator(QStringLiteral("velmorant_manual_pdf"));
    const double footer = kFooterInches * kResolution;
    const QSizeF area(writer.width(), writer.height() - footer);

    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Arial")});
    font.setPointSizeF(10.5);
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    LayOutManual(doc, QString::fromUtf8(manual.readAll()), font, QDir(args.at(2)),
                 QFileInfo(manualPath).absoluteDir(), area);
    if (!PrintPages(writer, doc, area, footer, font)) {
        Complain(QStringLiteral("cannot write %1").arg(outputPath));
        return 1;
    }
    return 0;
}
