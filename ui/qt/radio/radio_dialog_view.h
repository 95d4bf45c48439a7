// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "ui/model/radio/radio_settings.h"

namespace Ui {
class frmRadio;
}

namespace velmorant {

// The radio settings dialog (frmRadio.ui): shows the settings, checks what was typed, and hands
// the new settings on when OK is pressed. Like the rotator's, it opens without blocking the
// real-time window, whose passes go on while it is open.
class RadioDialogView : public QDialog {
    Q_OBJECT

  public:
    explicit RadioDialogView(QWidget* parent = nullptr);
    ~RadioDialogView() override;

    // Shows `settings`, with the notes on values of VELMORANT.INI that could not be read.
    void Edit(const RadioSettings& settings, const std::vector<std::string>& notes);

    // The settings as the dialog shows them now.
    RadioSettings Typed() const;

    // Called with the new settings when OK is pressed and they can be kept.
    std::function<void(const RadioSettings&)> Accepted;

  private:
    void Confirm();

    Ui::frmRadio* form_;
};

}  // namespace velmorant
