// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window/message_box_presenter.h"

#include <QMessageBox>
#include <QString>

namespace velmorant {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MessageBoxPresenter::MessageBoxPresenter(QWidget* parent) : parent_(parent) {}

void MessageBoxPresenter::SetParent(QWidget* parent) {
    parent_ = parent;
}

void MessageBoxPresenter::ShowMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(text), QMessageBox::Ok,
                    parent_.data());
    box.setObjectName(QStringLiteral("messageBox"));
    // File names and callsigns in a message are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace velmorant
