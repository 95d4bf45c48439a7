// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/rotator/rotator_dialog_view.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/qt/desktop/ini_settings_file.h"
#include "ui_frmRotator.h"

namespace velmorant {

RotatorDialogView::RotatorDialogView(QWidget* parent) : QDialog(parent), form_(new Ui::frmRotator) {
    form_->setupUi(this);
    form_->cmdRotatorButtons->button(QDialogButtonBox::Ok)->setObjectName("cmdRotatorOK");
    form_->cmdRotatorButtons->button(QDialogButtonBox::Cancel)->setObjectName("cmdRotatorCancel");
    connect(form_->cmdRotatorButtons, &QDialogButtonBox::accepted, this,
            &RotatorDialogView::Confirm);
    connect(form_->cmdRotatorButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton* option : {form_->optMoveEachMinute, form_->optMoveLastSeconds,
                                 form_->optMoveThreshold, form_->optMoveWsjtx}) {
        connect(option, &QRadioButton::toggled, this, &RotatorDialogView::EnableRuleValues);
    }
    connect(form_->chkWsjtxEnabled, &QCheckBox::toggled, this,
            &RotatorDialogView::EnableRuleValues);
}

RotatorDialogView::~RotatorDialogView() {
    delete form_;
}

void RotatorDialogView::Edit(const RotatorSettings& s, const WsjtxSettings& wsjtx,
                             const std::vector<std::string>& notes) {
    form_->chkRotatorEnabled->setChecked(s.Enabled);
    form_->txtRotatorHost->setText(QString::fromStdString(s.Host));
    form_->spnRotatorPort->setValue(s.Port);
    form_->cboRotatorStation->setCurrentIndex(s.Station == RotatorStation::DX ? 1 : 0);
    form_->spnElevationFloor->setValue(s.ElevationFloorDeg);
    form_->spnElevationMin->setValue(s.ElevationRangeMinDeg);
    form_->spnElevationMax->setValue(s.ElevationRangeMaxDeg);
    form_->optMoveEachMinute->setChecked(s.MoveRule == RotatorMoveRule::EachMinute);
    form_->optMoveLastSeconds->setChecked(s.MoveRule == RotatorMoveRule::LastSeconds);
    form_->optMoveThreshold->setChecked(s.MoveRule == RotatorMoveRule::Threshold);
    form_->optMoveWsjtx->setChecked(s.MoveRule == RotatorMoveRule::WithWsjtx);
    form_->chkWsjtxEnabled->setChecked(wsjtx.Enabled);
    form_->txtWsjtxAddress->setText(QString::fromStdString(wsjtx.Address));
    form_->spnWsjtxPort->setValue(wsjtx.Port);
    form_->spnLastSeconds->setValue(s.LastSeconds);
    form_->spnThreshold->setValue(s.ThresholdDeg);
    form_->lblRotatorProblems->setText(UnusedSettingsText(notes));
    form_->lblRotatorProblems->setVisible(!notes.empty());
    EnableRuleValues();
    adjustSize();
    open();
}

RotatorSettings RotatorDialogView::Typed() const {
    RotatorSettings s;
    s.Enabled = form_->chkRotatorEnabled->isChecked();
    s.Host = form_->txtRotatorHost->text().trimmed().toStdString();
    s.Port = form_->spnRotatorPort->value();
    s.Station =
        form_->cboRotatorStation->currentIndex() == 1 ? RotatorStation::DX : RotatorStation::Home;
    s.ElevationFloorDeg = form_->spnElevationFloor->value();
    s.ElevationRangeMinDeg = form_->spnElevationMin->value();
    s.ElevationRangeMaxDeg = form_->spnElevationMax->value();
    s.MoveRule = form_->optMoveLastSeconds->isChecked() ? RotatorMoveRule::LastSeconds
                 : form_->optMoveThreshold->isChecked() ? RotatorMoveRule::Threshold
                 : form_->optMoveWsjtx->isChecked()     ? RotatorMoveRule::WithWsjtx
                                                        : RotatorMoveRule::EachMinute;
    s.LastSeconds = form_->spnLastSeconds->value();
    s.ThresholdDeg = form_->spnThreshold->value();
    return s;
}

WsjtxSettings RotatorDialogView::TypedWsjtx() const {
    WsjtxSettings s;
    s.Enabled = form_->chkWsjtxEnabled->isChecked();
    s.Address = form_->txtWsjtxAddress->text().trimmed().toStdString();
    s.Port = form_->spnWsjtxPort->value();
    return s;
}

void RotatorDialogView::Confirm() {
    const RotatorSettings typed = Typed();
    const WsjtxSettings wsjtx = TypedWsjtx();
    auto problem = RotatorSettingsProblem(typed);
    if (!problem) {
        problem = WsjtxSettingsProblem(wsjtx);
    }
    if (problem) {
        form_->lblRotatorProblems->setText(QString::fromStdString(*problem));
        form_->lblRotatorProblems->setVisible(true);
        adjustSize();
        return;
    }
    accept();
    if (Accepted) {
        Accepted(typed, wsjtx);
    }
}

void RotatorDialogView::EnableRuleValues() {
    form_->spnLastSeconds->setEnabled(form_->optMoveLastSeconds->isChecked() ||
                                      form_->optMoveWsjtx->isChecked());
    const bool wsjtx = form_->chkWsjtxEnabled->isChecked();
    form_->txtWsjtxAddress->setEnabled(wsjtx);
    form_->spnWsjtxPort->setEnabled(wsjtx);
    form_->spnThreshold->setEnabled(form_->optMoveThreshold->isChecked());
}

}  // namespace velmorant
