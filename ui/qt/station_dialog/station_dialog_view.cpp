// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/station_dialog/station_dialog_view.h"

#include <string_view>

#include "ui_frmUpdate.h"

namespace velmorant {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StationDialogView::StationDialogView(QWidget* parent) : QDialog(parent), form_(new Ui::frmUpdate) {
    form_->setupUi(this);
    setModal(true);
    // Each button gives its answer and hides the dialog, which ends the modal display.
    connect(form_->cmdREPLACE, &QPushButton::clicked, this, [this] {
        choice_ = StationDialogChoice::Replace;
        accept();
    });
    connect(form_->cmdDelete, &QPushButton::clicked, this, [this] {
        choice_ = StationDialogChoice::Delete;
        accept();
    });
    connect(form_->cmdCancel, &QPushButton::clicked, this, [this] {
        choice_ = StationDialogChoice::Cancel;
        reject();
    });
}

StationDialogView::~StationDialogView() {
    delete form_;
}

StationDialogAnswer StationDialogView::ShowModal(const StationDialogRequest& request) {
    form_->lblUpdate->setText(Q(request.Explanation));
    form_->txtOldCallsign->setText(Q(request.Callsign));
    form_->txtOldLocator->setText(Q(request.Locator));
    form_->txtOldNotes->setText(Q(request.Notes));
    form_->txtRecordNumber->setText(Q(request.RecordNumber));
    form_->lblRecno->setVisible(request.ExistingStation);
    form_->txtRecordNumber->setVisible(request.ExistingStation);
    form_->cmdDelete->setVisible(request.ExistingStation);
    form_->cmdREPLACE->setText(Q(request.ReplaceCaption));

    // Closing the dialog's window counts as CANCEL.
    choice_ = StationDialogChoice::Cancel;
    exec();
    StationDialogAnswer answer;
    answer.Choice = choice_;
    answer.Locator = form_->txtOldLocator->text().toUtf8().toStdString();
    answer.Notes = form_->txtOldNotes->text().toUtf8().toStdString();
    return answer;
}

}  // namespace velmorant
