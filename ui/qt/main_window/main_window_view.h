// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include <QWidget>

class QShortcut;

namespace Ui {
class frmInput;
}

namespace velmorant {

class MainWindowModel;

// The main window frmInput: the widgets of the form file, bound by object name to the window's
// model. Widget events call the model's actions; every change the model reports is copied into
// its widget. No behaviour lives here. The form sits at its design size in a scroll area
// (scrFormArea) that the window shrinks to on a screen too small for it.
class MainWindowView : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindowView(MainWindowModel& model, QWidget* parent = nullptr);
    ~MainWindowView() override;

    // Copies the model's state of every control into its widget.
    void RefreshAll();
    // Copies one control's state into its widget.
    void Refresh(std::string_view controlName);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Bind(QWidget* widget);
    bool HandleKey(const std::string& name, QKeyEvent* event);
    // Hands the text typed into a date list to the model as the item it names.
    void FinishTyping(const std::string& name);
    // Clicks a control through the model, after the typing in the date lists has ended.
    void ClickControl(const std::string& name);

    MainWindowModel& model_;
    Ui::frmInput* form_;
    std::unordered_map<std::string, QWidget*> widgets_;
    // True while the view writes into widgets: their change signals are not the operator's.
    bool refreshing_ = false;
    // Escape presses STOP while a run is in progress; at other times the key is the boxes' own
    // (the ESC-key automation of the station boxes).
    QShortcut* stopKey_ = nullptr;
};

}  // namespace velmorant
