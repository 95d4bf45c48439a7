// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/wsjtx/wsjtx_settings.h"

namespace Ui {
class frmRotator;
}

namespace velmorant {

// The rotator settings dialog (frmRotator.ui), with the following of WSJT-X whose transmissions
// one of its rules goes by: shows the settings, checks what was typed, and hands the new
// settings on when OK is pressed. It opens without blocking the real-time window, whose passes
// go on while it is open.
class RotatorDialogView : public QDialog {
    Q_OBJECT

  public:
    explicit RotatorDialogView(QWidget* parent = nullptr);
    ~RotatorDialogView() override;

    // Shows the settings, with the notes on values of VELMORANT.INI that could not be read.
    void Edit(const RotatorSettings& settings, const WsjtxSettings& wsjtx,
              const std::vector<std::string>& notes);

    // The settings as the dialog shows them now.
    RotatorSettings Typed() const;
    WsjtxSettings TypedWsjtx() const;

    // Called with the new settings when OK is pressed and they can be kept.
    std::function<void(const RotatorSettings&, const WsjtxSettings&)> Accepted;

  private:
    void Confirm();
    void EnableRuleValues();

    Ui::frmRotator* form_;
};

}  // namespace velmorant
