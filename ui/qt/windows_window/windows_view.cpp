// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/windows_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>

#include "ui/model/windows_window/windows_window_model.h"
#include "ui/qt/windows_window/calendar_painter.h"
#include "ui/qt/windows_window/chart_painter.h"
#include "ui/qt/windows_window/windows_table_model.h"
#include "ui_frmWindows.h"

namespace velmorant {

namespace {

// How often the chart looks at the main window, and the pass's progress is shown, ms.
constexpr int kChartCheckMs = 500;
constexpr int kPassPollMs = 100;

QString PictureFilter(const QString& suffix) {
    return suffix == "png" ? "PNG picture (*.png)" : "SVG drawing (*.svg)";
}

QString DialogChoice(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

}  // namespace

WindowsView::WindowsView(WindowsWindowModel& model, FileChooser chooseFile, QWidget* parent)
    : QWidget(parent),
      model_(model),
      chooseFile_(std::move(chooseFile)),
      form_(new Ui::frmWindows),
      table_(new WindowsTableModel(model, this)) {
    form_->setupUi(this);
    if (!chooseFile_) {
        chooseFile_ = [this](const QString& caption, const QString& filter) {
            return DialogChoice(this, caption, filter);
        };
    }
    form_->tblWindows->setModel(table_);
    form_->tblWindows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    form_->tblWindows->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    form_->tblWindows->verticalHeader()->setVisible(false);

    connect(form_->picChart, &ChartWidget::ReadingChanged, form_->lblChartReading,
            &QLabel::setText);
    connect(form_->cmdSavePng, &QPushButton::clicked, this, [this] { SaveChart("png"); });
    connect(form_->cmdSaveSvg, &QPushButton::clicked, this, [this] { SaveChart("svg"); });
    connect(form_->cmdCalendarPng, &QPushButton::clicked, this, [this] { SaveCalendar("png"); });
    connect(form_->cmdCalendarSvg, &QPushButton::clicked, this, [this] { SaveCalendar("svg"); });
    connect(form_->tabWindows, &QTabWidget::currentChanged, this, [this] { RefreshCalendar(); });
    form_->cmdCalendarPng->setEnabled(false);
    form_->cmdCalendarSvg->setEnabled(false);
    connect(form_->cmdComputeWindows, &QPushButton::clicked, this, [this] { StartPass(); });
    connect(form_->cmdCancelWindows, &QPushButton::clicked, this,
            [this] { model_.CancelWindows(); });
    connect(form_->cmdSaveWindowsCsv, &QPushButton::clicked, this, [this] { SaveCsv(); });
    connect(form_->tblWindows, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ChooseRow(index.row()); });
    chartTimer_.setInterval(kChartCheckMs);
    connect(&chartTimer_, &QTimer::timeout, this, [this] {
        RefreshChart();
        RefreshCalendar();
    });
    passTimer_.setInterval(kPassPollMs);
    connect(&passTimer_, &QTimer::timeout, this, [this] { PollPass(); });
}

WindowsView::~WindowsView() {
    delete form_;
}

void WindowsView::Open() {
    RefreshChart();
    RefreshCalendar();
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
    const QString name = ChosenFile("Save the chart", PictureFilter(suffix), suffix);
    if (name.isEmpty()) {
        return;
    }
    const QString problem = velmorant::SaveChart(*model_.Chart(), name);
    form_->lblChartReading->setText(problem.isEmpty() ? "Saved " + name : "Not saved: " + problem);
}

void WindowsView::RefreshCalendar() {
    // The calendar is computed only for the operator looking at it: a year of dates takes
    // some tenths of a second, which the window spends with its status saying so.
    if (form_->tabWindows->currentWidget() != form_->tabCalendar || !model_.CalendarOutdated()) {
        return;
    }
    form_->lblCalendarStatus->setText("Computing the calendar...");
    form_->lblCalendarStatus->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model_.RefreshCalendar();
    QApplication::restoreOverrideCursor();
    const auto& days = model_.Calendar();
    form_->picCalendar->ShowCalendar(days);
    form_->cmdCalendarPng->setEnabled(!days.empty());
    form_->cmdCalendarSvg->setEnabled(!days.empty());
    if (days.empty()) {
        form_->lblCalendarStatus->setText(QString::fromStdString(model_.CalendarProblem()));
        return;
    }
    const auto dateText = [](const CalendarDate& date) {
        return QString::asprintf("%04d-%02d-%02d", date.Year, date.Month, date.Day);
    };
    form_->lblCalendarStatus->setText(QString("%1 dates from %2 to %3")
                                          .arg(days.size())
                                          .arg(dateText(days.front().Date))
                                          .arg(dateText(days.back().Date)));
}

void WindowsView::SaveCalendar(const QString& suffix) {
    if (model_.Calendar().empty()) {
        return;
    }
    const QString name = ChosenFile("Save the calendar", PictureFilter(suffix), suffix);
    if (name.isEmpty()) {
        return;
    }
    const QString problem = velmorant::SaveCalendar(model_.Calendar(), name);
    form_->lblCalendarStatus->setText(problem.isEmpty() ? "Saved " + name
                                                        : "Not saved: " + problem);
}

QString WindowsView::ChosenFile(const QString& caption, const QString& filter,
                                const QString& suffix) {
    QString name = chooseFile_(caption, filter);
    if (!name.isEmpty() && !name.endsWith("." + suffix, Qt::CaseInsensitive)) {
        name += "." + suffix;
    }
    return name;
}

void WindowsView::StartPass() {
    // The earlier rows go, and the table shows the pass's order again when its rows come.
    table_->Reset([this] { model_.StartWindows(); });
    form_->tblWindows->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    // The row header keeps room for every row it once had (8 bytes a row) though the table is
    // empty: a new one gives that memory back.
    form_->tblWindows->setVerticalHeader(new QHeaderView(Qt::Vertical, form_->tblWindows));
    form_->tblWindows->verticalHeader()->setVisible(false);
    ShowPassState();
    if (model_.State() == WindowsPassState::Running) {
        passTimer_.start();
    }
}

void WindowsView::PollPass() {
    if (model_.PassEnded()) {
        // The pass's rows arrive by a swap: one reset of the table, no work per row.
        table_->Reset([this] { model_.Poll(); });
    }
    if (model_.State() != WindowsPassState::Running) {
        passTimer_.stop();
    }
    ShowPassState();
}

void WindowsView::ShowPassState() {
    const WindowsPassState state = model_.State();
    const bool running = state == WindowsPassState::Running;
    form_->cmdComputeWindows->setEnabled(!running);
    form_->cmdCancelWindows->setEnabled(running);
    form_->cmdSaveWindowsCsv->setEnabled(state == WindowsPassState::Finished);
    form_->prgWindows->setRange(0, 100);
    form_->prgWindows->setValue(model_.PercentDone());
    QString status;
    switch (state) {
        case WindowsPassState::Idle:
            break;
        case WindowsPassState::Running:
            status = QString("Computing: %1 %").arg(model_.PercentDone());
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

void WindowsView::SaveCsv() {
    const QString name = ChosenFile("Save the windows", "CSV table (*.csv)", "csv");
    if (name.isEmpty()) {
        return;
    }
    const WriteResult written =
        model_.SaveCsv(std::filesystem::path(QFile::encodeName(name).toStdString()));
    form_->lblWindowsStatus->setText(written.Written()
                                         ? "Saved " + name
                                         : "Not saved: " + QString::fromStdString(written.Reason));
}

void WindowsView::ChooseRow(int shownRow) {
    if (shownRow >= 0) {
        model_.ChooseRow(static_cast<std::size_t>(shownRow));
    }
}

}  // namespace velmorant
