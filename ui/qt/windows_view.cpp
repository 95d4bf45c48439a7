// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_view.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableWidgetItem>

#include "ui/model/windows_window_model.h"
#include "ui/qt/chart_painter.h"
#include "ui_frmWindows.h"

namespace velmorant {

namespace {

// How often the chart looks at the main window, and the pass's progress is shown, ms.
constexpr int kChartCheckMs = 500;
constexpr int kPassPollMs = 100;

// A cell that sorts by its number where it holds one, else by its text.
class TableCell : public QTableWidgetItem {
  public:
    explicit TableCell(const WindowsTableCell& cell)
        : QTableWidgetItem(QString::fromStdString(cell.Text)), number_(cell.Number) {
        if (number_) {
            setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* cell = dynamic_cast<const TableCell*>(&other);
        if (cell != nullptr && number_ && cell->number_) {
            return *number_ < *cell->number_;
        }
        return QTableWidgetItem::operator<(other);
    }

  private:
    std::optional<double> number_;
};

QString DialogChoice(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

}  // namespace

WindowsView::WindowsView(WindowsWindowModel& model, FileChooser chooseFile, QWidget* parent)
    : QWidget(parent),
      model_(model),
      chooseFile_(std::move(chooseFile)),
      form_(new Ui::frmWindows) {
    form_->setupUi(this);
    if (!chooseFile_) {
        chooseFile_ = [this](const QString& caption, const QString& filter) {
            return DialogChoice(this, caption, filter);
        };
    }
    QStringList headings;
    for (const std::string& heading : WindowsTableHeadings()) {
        headings << QString::fromStdString(heading);
    }
    form_->tblWindows->setColumnCount(static_cast<int>(headings.size()));
    form_->tblWindows->setHorizontalHeaderLabels(headings);
    form_->tblWindows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    form_->tblWindows->verticalHeader()->setVisible(false);

    connect(form_->picChart, &ChartWidget::ReadingChanged, form_->lblChartReading,
            &QLabel::setText);
    connect(form_->cmdSavePng, &QPushButton::clicked, this, [this] { SaveChart("png"); });
    connect(form_->cmdSaveSvg, &QPushButton::clicked, this, [this] { SaveChart("svg"); });
    connect(form_->cmdComputeWindows, &QPushButton::clicked, this, [this] { StartPass(); });
    connect(form_->cmdCancelWindows, &QPushButton::clicked, this,
            [this] { model_.CancelWindows(); });
    connect(form_->tblWindows, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ChooseRow(row); });
    chartTimer_.setInterval(kChartCheckMs);
    connect(&chartTimer_, &QTimer::timeout, this, [this] { RefreshChart(); });
    passTimer_.setInterval(kPassPollMs);
    connect(&passTimer_, &QTimer::timeout, this, [this] { PollPass(); });
}

WindowsView::~WindowsView() {
    delete form_;
}

void WindowsView::Open() {
    RefreshChart();
    show();
    raise();
    activateWindow();
    chartTimer_.start();
}

void WindowsView::closeEvent(QCloseEvent* event) {
    if (Closing) {
        Closing();
    }
    chartTimer_.stop();
    event->accept();
}

void WindowsView::RefreshChart() {
    if (model_.RefreshChart()) {
        form_->picChart->ShowChart(model_.Chart(), QString::fromStdString(model_.ChartProblem()));
        form_->cmdSavePng->setEnabled(model_.Chart().has_value());
        form_->cmdSaveSvg->setEnabled(model_.Chart().has_value());
    }
}

void WindowsView::SaveChart(const QString& suffix) {
    if (!model_.Chart()) {
        return;
    }
    const QString filter = suffix == "png" ? "PNG picture (*.png)" : "SVG drawing (*.svg)";
    QString name = chooseFile_("Save the chart", filter);
    if (name.isEmpty()) {
        return;
    }
    if (!name.endsWith("." + suffix, Qt::CaseInsensitive)) {
        name += "." + suffix;
    }
    const QString problem = velmorant::SaveChart(*model_.Chart(), name);
    form_->lblChartReading->setText(problem.isEmpty() ? "Saved " + name : "Not saved: " + problem);
}

void WindowsView::StartPass() {
    form_->tblWindows->setRowCount(0);
    model_.StartWindows();
    ShowPassState();
    if (model_.State() == WindowsPassState::Running) {
        passTimer_.start();
    }
}

void WindowsView::PollPass() {
    if (model_.Poll() != WindowsPassState::Running) {
        passTimer_.stop();
        FillTable();
    }
    ShowPassState();
}

void WindowsView::ShowPassState() {
    const WindowsPassState state = model_.State();
    const bool running = state == WindowsPassState::Running;
    form_->cmdComputeWindows->setEnabled(!running);
    form_->cmdCancelWindows->setEnabled(running);
    form_->prgWindows->setMaximum(
        static_cast<int>(std::max<std::size_t>(1, model_.StationCount())));
    form_->prgWindows->setValue(static_cast<int>(model_.StationsDone()));
    QString status;
    switch (state) {
        case WindowsPassState::Idle:
            break;
        case WindowsPassState::Running:
            status = QString("Computing: %1 of %2 stations")
                         .arg(model_.StationsDone())
                         .arg(model_.StationCount());
            break;
        case WindowsPassState::Finished:
            status = QString("%1 windows with %2 stations")
                         .arg(model_.Rows().size())
                         .arg(model_.StationCount());
            break;
        case WindowsPassState::Cancelled:
            status = "Cancelled";
            break;
        case WindowsPassState::Refused:
            status = QString::fromStdString(model_.Problem());
            break;
    }
    form_->lblWindowsStatus->setText(status);
}

void WindowsView::FillTable() {
    QTableWidget* table = form_->tblWindows;
    table->setSortingEnabled(false);
    table->setRowCount(static_cast<int>(model_.Rows().size()));
    for (std::size_t r = 0; r < model_.Rows().size(); ++r) {
        const std::vector<WindowsTableCell> cells = WindowsTableCells(model_.Rows()[r]);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new TableCell(cells[c]);
            item->setData(Qt::UserRole, static_cast<qulonglong>(r));
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table->setSortingEnabled(true);
}

void WindowsView::ChooseRow(int row) {
    const QTableWidgetItem* item = form_->tblWindows->item(row, 0);
    if (item != nullptr) {
        model_.ChooseRow(static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong()));
    }
}

}  // namespace velmorant
