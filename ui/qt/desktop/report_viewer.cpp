// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/report_viewer.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "stations/text_file.h"
#include "ui_frmReport.h"

namespace velmorant {

namespace {

// Liberation Mono ships with the fonts the package depends on; the system's fixed font stands in
// where it is missing. The report's columns line up only in a monospaced face.
QFont ReportFont() {
    QFont font("Liberation Mono", 10);
    font.setStyleHint(QFont::Monospace);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    return font;
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), form_(new Ui::frmReport) {
    form_->setupUi(this);
    form_->txtReport->setFont(ReportFont());
    connect(form_->txtFind, &QLineEdit::returnPressed, this, &ReportViewer::FindNext);
    connect(form_->cmdFindNext, &QPushButton::clicked, this, &ReportViewer::FindNext);
    connect(form_->cmdCopy, &QPushButton::clicked, this, &ReportViewer::CopyText);
    connect(form_->cmdSaveAs, &QPushButton::clicked, this, &ReportViewer::AskAndSave);
    connect(form_->cmdPrint, &QPushButton::clicked, this, &ReportViewer::AskAndPrint);
    connect(form_->cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

ReportViewer::~ReportViewer() {
    delete form_;
}

bool ReportViewer::Open(const QString& file, const QString& note) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    bytes_ = in.readAll();
    file_ = file;
    // The writer writes UTF-8: the degree sign is two bytes that must come back as one character.
    form_->txtReport->setPlainText(QString::fromUtf8(bytes_));
    form_->lblNote->setText(note);
    form_->lblNote->setVisible(!note.isEmpty());
    form_->lblFindResult->clear();
    setWindowTitle(QFileInfo(file).fileName() + " - VELMORANT");
    return true;
}

void ReportViewer::FindNext() {
    const QString text = form_->txtFind->text();
    if (text.isEmpty()) {
        return;
    }
    QPlainTextEdit* report = form_->txtReport;
    bool found = report->find(text);
    if (!found) {
        // From the top again once the end is reached.
        const QTextCursor here = report->textCursor();
        report->moveCursor(QTextCursor::Start);
        found = report->find(text);
        if (!found) {
            report->setTextCursor(here);
        }
    }
    form_->lblFindResult->setText(found ? QString() : tr("Not found"));
}

void ReportViewer::CopyText() {
    const QTextCursor selection = form_->txtReport->textCursor();
    const QString text = selection.hasSelection() ? selection.selection().toPlainText()
                                                  : form_->txtReport->toPlainText();
    QApplication::clipboard()->setText(text);
}

WriteResult ReportViewer::SaveCopy(const QString& file) const {
    // The careful writer: a regular file is replaced whole, a device or FIFO written in place.
    return WriteTextFile(
        std::filesystem::path(file.toStdString()),
        std::string_view(bytes_.constData(), static_cast<std::size_t>(bytes_.size())));
}

void ReportViewer::AskAndSave() {
    const QFileInfo report(file_);
    const QString suggested =
        report.absoluteDir().filePath(report.completeBaseName() + "-copy." + report.suffix());
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Save Report As"), suggested, tr("Text files (*.txt *.TXT);;All files (*)"));
    if (file.isEmpty()) {
        return;
    }
    const WriteResult written = SaveCopy(file);
    if (!written.Written()) {
        QMessageBox::warning(this, tr("File Not Saved"),
                             tr("The report could not be written to %1: %2.")
                                 .arg(file, QString::fromStdString(written.Reason)));
    }
}

void ReportViewer::Print(QPrinter& printer) const {
    QTextDocument document;
    document.setDefaultFont(form_->txtReport->font());
    document.setPlainText(form_->txtReport->toPlainText());
    document.print(&printer);
}

void ReportViewer::AskAndPrint() {
    QPrinter printer;
    printer.setDocName(QFileInfo(file_).fileName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        Print(printer);
    }
}

}  // namespace velmorant
