// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>
#include <QTimer>
#include <QWidget>

namespace Ui {
class frmWindows;
}

namespace velmorant {

class WindowsTableModel;
class WindowsWindowModel;

// The WINDOWS window (frmWindows): the Chart, Windows and Calendar tabs of the form file, bound
// to the window's model. It shows what the model computed and forwards the operator's actions;
// the chart is read again from the main window twice a second while the window is shown, the
// calendar too while its tab is the one shown.
class WindowsView : public QWidget {
    Q_OBJECT

  public:
    // Asks for the name of a file to save into, with a caption and a file-type filter; an empty
    // name cancels. The desktop's file dialog by default (tests record).
    using FileChooser = std::function<QString(const QString& caption, const QString& filter)>;

    explicit WindowsView(WindowsWindowModel& model, FileChooser chooseFile = {},
                         QWidget* parent = nullptr);
    ~WindowsView() override;

    // Shows the window in front with the chart of the main window as it stands.
    void Open();

    // Called when the operator closes the window, while it still shows where it was left.
    std::function<void()> Closing;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void RefreshChart();
    void SaveChart(const QString& suffix);
    void RefreshCalendar();
    void SaveCalendar(const QString& suffix);
    // The file name the operator chose, ending in `.suffix`; empty when cancelled.
    QString ChosenFile(const QString& caption, const QString& filter, const QString& suffix);
    void StartPass();
    void PollPass();
    void ShowPassState();
    void SaveCsv();
    void ChooseRow(int shownRow);

    WindowsWindowModel& model_;
    FileChooser chooseFile_;
    Ui::frmWindows* form_;
    WindowsTableModel* table_;
    QTimer chartTimer_;
    QTimer passTimer_;
};

}  // namespace velmorant
