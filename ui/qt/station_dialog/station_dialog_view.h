// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/model/station_dialog/station_dialog.h"

namespace Ui {
class frmUpdate;
}

namespace velmorant {

// frmUpdate, the modal confirmation dialog of the station list: shown with the texts the window
// model asks for, it answers with the button pressed and the locator and notes as edited there.
class StationDialogView : public QDialog, public StationDialog {
    Q_OBJECT

  public:
    explicit StationDialogView(QWidget* parent = nullptr);
    ~StationDialogView() override;

    StationDialogAnswer ShowModal(const StationDialogRequest& request) override;

  private:
    Ui::frmUpdate* form_;
    StationDialogChoice choice_ = StationDialogChoice::Cancel;
};

}  // namespace velmorant
