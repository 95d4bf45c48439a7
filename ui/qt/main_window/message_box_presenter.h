// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include <QPointer>
#include <QWidget>

#include "ui/model/main_window/window_ports.h"

namespace velmorant {

// The window's messages as modal message boxes: the text exactly as given, the title, one OK
// button. The box is a plain QMessageBox named "messageBox", so that a test can find and
// answer it.
class MessageBoxPresenter : public MessagePresenter {
  public:
    // Boxes are centred on and modal to `parent`; without one they stand alone.
    explicit MessageBoxPresenter(QWidget* parent = nullptr);

    // The widget later boxes belong to, for a presenter made before its window.
    void SetParent(QWidget* parent);

    // Shows the box and returns when the operator has pressed OK or closed it.
    void ShowMessage(std::string_view text, std::string_view title) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace velmorant
