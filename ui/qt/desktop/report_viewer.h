// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "stations/write_result.h"

class QPrinter;

namespace Ui {
class frmReport;
}

namespace velmorant {

// The program's own window for the planning report, for when no text editor opened it: the
// report read-only in a monospaced font, with find, copy, Save As and Print. The widgets come
// from frmReport.ui; the buttons are found by their object names.
class ReportViewer : public QWidget {
    Q_OBJECT

  public:
    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    // Reads `file` (UTF-8, as the report writer writes it) and shows it with `note` above; false,
    // and nothing changed, when it cannot be read.
    bool Open(const QString& file, const QString& note);
    // Writes the report as it was read, byte for byte, to `file` (a regular file replaced whole);
    // the system's reason when that failed.
    WriteResult SaveCopy(const QString& file) const;
    // Prints the report on `printer`, in the window's monospaced font.
    void Print(QPrinter& printer) const;

  private:
    void FindNext();
    void CopyText();
    void AskAndSave();
    void AskAndPrint();

    Ui::frmReport* form_;
    QString file_;      // the report's full path
    QByteArray bytes_;  // the report as read
};

}  // namespace velmorant
