// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own report window as an operator uses it: find, copy, Save As and Print, on a
// small report of real lines (degree signs included) read from disk.

#include "ui/qt/desktop/report_viewer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace velmorant {

namespace {

// Two lines of a planning report's header and two of its data lines, as the writer writes them.
const QByteArray kReport =
    "Home: DL1ABC  48\xC2\xB0 8' 45\" N  11\xC2\xB0 37' 30\" E\r\n"
    "DX:   W1XYZ   41\xC2\xB0 41' 15\" N  72\xC2\xB0 42' 30\" W\r\n"
    "0100  123.4  12.3  234.5  5.6\r\n"
    "0200  125.0  15.1  236.2  8.0\r\n";

}  // namespace

class ReportViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        report_ = folder_.filePath("VELMORANT.TXT");
        QFile file(report_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kReport);
        file.close();
        viewer_ = std::make_unique<ReportViewer>();
        QVERIFY(viewer_->Open(report_, "a note"));
        viewer_->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer_.get()));
    }
    void cleanup() { viewer_.reset(); }

    void showsTheReportReadOnlyWithItsDegreeSigns() {
        auto* text = viewer_->findChild<QPlainTextEdit*>("txtReport");
        QVERIFY(text->isReadOnly());
        QVERIFY(text->toPlainText().startsWith(QString::fromUtf8("Home: DL1ABC  48° 8' 45\"")));
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QVERIFY2(!viewer_->Open(folder_.filePath("nothing.txt"), ""), "an unreadable file");
    }

    void findGoesFromPlaceToPlaceAndRoundAgain() {
        auto* find = viewer_->findChild<QLineEdit*>("txtFind");
        auto* text = viewer_->findChild<QPlainTextEdit*>("txtReport");
        QTest::keyClicks(find, "00  12");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(text->textCursor().blockNumber(), 2);
        QTest::mouseClick(viewer_->findChild<QPushButton*>("cmdFindNext"), Qt::LeftButton);
        QCOMPARE(text->textCursor().blockNumber(), 3);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(text->textCursor().blockNumber(), 2);
        find->setText("QQQ");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(viewer_->findChild<QLabel*>("lblFindResult")->text(), QString("Not found"));
        QCOMPARE(text->textCursor().blockNumber(), 2);  // the place found before stays
    }

    void copyTakesTheSelectionOrTheWholeReport() {
        auto* copy = viewer_->findChild<QPushButton*>("cmdCopy");
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8(kReport).remove('\r'));
        auto* find = viewer_->findChild<QLineEdit*>("txtFind");
        QTest::keyClicks(find, "W1XYZ");
        QTest::keyClick(find, Qt::Key_Return);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("W1XYZ"));
    }

    void saveAsWritesTheReportAsItWasRead() {
        const QString copy = folder_.filePath("kept/plan-march.txt");
        QVERIFY(QDir().mkpath(folder_.filePath("kept")));
        QTimer::singleShot(50, this, [copy] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            // Typed into the name box, as an operator does.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name != nullptr);
            name->setText(copy);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(viewer_->findChild<QPushButton*>("cmdSaveAs"), Qt::LeftButton);
        QFile saved(copy);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), kReport);
    }

    void saveAsToAFifoWritesIntoItAndLeavesItAFifo() {
        const std::string fifo = folder_.filePath("copy.fifo").toStdString();
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        // A reader waits on the FIFO; the report is small enough for the pipe's buffer.
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QVERIFY(viewer_->SaveCopy(QString::fromStdString(fifo)).Written());
        QByteArray received(kReport.size() + 16, '\0');
        const ssize_t got = ::read(reader, received.data(), static_cast<size_t>(received.size()));
        ::close(reader);
        QCOMPARE(received.left(static_cast<qsizetype>(got)), kReport);
        struct stat status {};
        QCOMPARE(::stat(fifo.c_str(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
    }

    void printsThroughQtsPrintSupport() {
        const QString pdf = folder_.filePath("report.pdf");
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        viewer_->Print(printer);
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(5) == "%PDF-");
        QVERIFY(printed.size() > 1000);
    }

  private:
    QTemporaryDir folder_;
    QString report_;
    std::unique_ptr<ReportViewer> viewer_;
};

}  // namespace velmorant

QTEST_MAIN(velmorant::ReportViewerTest)
#include "report_viewer_test.moc"
