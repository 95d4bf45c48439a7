// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/help_viewer.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QVector>

#include "ui_frmHelp.h"

namespace velmorant {

namespace {

// The tree item's data role that holds the heading's position in the document (a character
// offset).
constexpr int kPositionRole = Qt::UserRole;
// The contents list the chapters and their sections; deeper headings would crowd it.
constexpr int kDeepestListedHeading = 3;
// Pictures wider than this many pixels are shown at this width, their proportions kept: a
// screenshot of the 991-pixel main window then fits beside the contents without scrolling.
constexpr int kPictureWidthLimitPx = 640;

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), form_(new Ui::frmHelp) {
    form_->setupUi(this);
    form_->splHelp->setStretchFactor(1, 1);
    form_->splHelp->setSizes({260, 700});
    connect(form_->treContents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { GoTo(item); });
    connect(form_->treContents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { GoTo(item); });
    connect(form_->cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

HelpViewer::~HelpViewer() {
    delete form_;
}

bool HelpViewer::Open(const QString& file, const QString& note) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString text = QString::fromUtf8(in.readAll());
    // The pictures are named relative to the manual ("screenshots/frmInput.png").
    form_->txtManual->setSearchPaths({QFileInfo(file).absolutePath()});
    form_->txtManual->setMarkdown(text);
    FitPictures();
    form_->lblNote->setText(note);
    form_->lblNote->setVisible(!note.isEmpty());
    FillContents();
    return true;
}

void HelpViewer::FillContents() {
    QTreeWidget* tree = form_->treContents;
    tree->clear();
    // The last item at each heading level, to hang deeper headings under.
    QTreeWidgetItem* parents[kDeepestListedHeading + 1] = {};
    const QTextDocument* document = form_->txtManual->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > kDeepestListedHeading) {
            continue;
        }
        QTreeWidgetItem* parent = nullptr;
        for (int up = level - 1; up >= 1 && parent == nullptr; --up) {
            parent = parents[up];
        }
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, block.text());
        item->setData(0, kPositionRole, block.position());
        parents[level] = item;
        for (int deeper = level + 1; deeper <= kDeepestListedHeading; ++deeper) {
            parents[deeper] = nullptr;
        }
    }
    tree->expandToDepth(0);
}

void HelpViewer::FitPictures() {
    QTextBrowser* browser = form_->txtManual;
    QTextDocument* document = browser->document();
    struct Picture {
        int Position;
        QTextImageFormat Format;
    };
    QVector<Picture> narrowed;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            QTextImageFormat format = fragment.fragment().charFormat().toImageFormat();
            if (!format.isValid()) {
                continue;
            }
            const QImage image = QImage::fromData(
                browser->loadResource(QTextDocument::ImageResource, QUrl(format.name()))
                    .toByteArray());
            if (image.width() <= kPictureWidthLimitPx) {
                continue;
            }
            format.setWidth(kPictureWidthLimitPx);
            format.setHeight(static_cast<double>(image.height()) * kPictureWidthLimitPx /
                             image.width());
            narrowed.append({fragment.fragment().position(), format});
        }
    }
    // Each picture is one character of the document.
    QTextCursor cursor(document);
    for (const Picture& picture : narrowed) {
        cursor.setPosition(picture.Position);
        cursor.setPosition(picture.Position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.Format);
    }
}

void HelpViewer::GoTo(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    QTextBrowser* browser = form_->txtManual;
    const QTextBlock block = browser->document()->findBlock(item->data(0, kPositionRole).toInt());
    QTextCursor cursor(block);
    browser->setTextCursor(cursor);
    // The heading at the top of the view, not just somewhere in it.
    const QRectF where = browser->document()->documentLayout()->blockBoundingRect(block);
    browser->verticalScrollBar()->setValue(static_cast<int>(where.top()));
}

}  // namespace velmorant
