// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTreeWidgetItem;

namespace Ui {
class frmHelp;
}

namespace velmorant {

// The program's own window for the user manual, for when no PDF reader opened QVHELP.PDF: the
// manual's Markdown text (QVHELP.MD, the text QVHELP.PDF is made from) with its pictures, and a
// table of contents built from its headings. The widgets come from frmHelp.ui.
class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    // Reads the Markdown `file` (UTF-8; pictures named relative to its folder) and shows it with
    // `note` above; false, and nothing changed, when it cannot be read.
    bool Open(const QString& file, const QString& note);

  private:
    void FillContents();
    // Narrows the pictures wider than the view can show.
    void FitPictures();
    void GoTo(QTreeWidgetItem* item);

    Ui::frmHelp* form_;
};

}  // namespace velmorant
