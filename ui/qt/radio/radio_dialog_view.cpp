// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/radio/radio_dialog_view.h"

#include <cmath>

#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/qt/desktop/ini_settings_file.h"
#include "ui_frmRadio.h"

namespace velmorant {

namespace {

// The dialog shows frequencies in MHz to the hertz.
constexpr double kHzPerMHz = 1e6;

}  // namespace

RadioDialogView::RadioDialogView(QWidget* parent) : QDialog(parent), form_(new Ui::frmRadio) {
    form_->setupUi(this);
    form_->cmdRadioButtons->button(QDialogButtonBox::Ok)->setObjectName("cmdRadioOK");
    form_->cmdRadioButtons->button(QDialogButtonBox::Cancel)->setObjectName("cmdRadioCancel");
    connect(form_->cmdRadioButtons, &QDialogButtonBox::accepted, this, &RadioDialogView::Confirm);
    connect(form_->cmdRadioButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

RadioDialogView::~RadioDialogView() {
    delete form_;
}

void RadioDialogView::Edit(const RadioSettings& s, const std::vector<std::string>& notes) {
    form_->chkRadioEnabled->setChecked(s.Enabled);
    form_->txtRadioHost->setText(QString::fromStdString(s.Host));
    form_->spnRadioPort->setValue(s.Port);
    form_->spnSkyFrequency->setValue(s.SkyFrequencyHz / kHzPerMHz);
    form_->cboDopplerMode->setCurrentIndex(static_cast<int>(s.Mode));
    form_->spnTransverterOffset->setValue(s.TransverterOffsetHz / kHzPerMHz);
    form_->cboRadioSplit->setCurrentIndex(s.Split == RadioSplit::None ? 1 : 0);
    form_->spnTuningStep->setValue(s.StepHz);
    form_->lblRadioProblems->setText(UnusedSettingsText(notes));
    form_->lblRadioProblems->setVisible(!notes.empty());
    adjustSize();
    open();
}

RadioSettings RadioDialogView::Typed() const {
    RadioSettings s;
    s.Enabled = form_->chkRadioEnabled->isChecked();
    s.Host = form_->txtRadioHost->text().trimmed().toStdString();
    s.Port = form_->spnRadioPort->value();
    // Whole hertz: the spin boxes' six decimals of MHz, read back through a double.
    s.SkyFrequencyHz = std::round(form_->spnSkyFrequency->value() * kHzPerMHz);
    s.Mode = static_cast<DopplerTuningMode>(form_->cboDopplerMode->currentIndex());
    s.TransverterOffsetHz = std::round(form_->spnTransverterOffset->value() * kHzPerMHz);
    s.Split = form_->cboRadioSplit->currentIndex() == 1 ? RadioSplit::None : RadioSplit::Radio;
    s.StepHz = form_->spnTuningStep->value();
    return s;
}

void RadioDialogView::Confirm() {
    const RadioSettings typed = Typed();
    if (const auto problem = RadioSettingsProblem(typed)) {
        form_->lblRadioProblems->setText(QString::fromStdString(*problem));
        form_->lblRadioProblems->setVisible(true);
        adjustSize();
        return;
    }
    accept();
    if (Accepted) {
        Accepted(typed);
    }
}

}  // namespace velmorant
