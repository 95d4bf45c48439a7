// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window/main_window_view.h"

#include <variant>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/model/main_window/main_window_model.h"
#include "ui_frmInput.h"
#include "velmorant/version.h"

namespace velmorant {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Controls other than buttons that react to a mouse click: the clickable labels, the year
// boxes. (Buttons are clicked through their own signal.)
bool IsClickTarget(const std::string& name) {
    const ControlEntry* entry = FindControlEntry(name);
    return entry != nullptr && entry->Click != nullptr &&
           !std::holds_alternative<Button MainWindowControls::*>(entry->Member);
}

// Lists that take a typed text as the item it names (the date lists).
bool TakesTypedItems(const std::string& name) {
    const ControlEntry* entry = FindControlEntry(name);
    return entry != nullptr && entry->TypedItem != nullptr;
}

// Boxes that hand their keys to a handler first (the ESC-key automation).
bool HasKeyHandler(const std::string& name) {
    const ControlEntry* entry = FindControlEntry(name);
    return entry != nullptr && entry->Key != nullptr;
}

// The scroll area around the form on a screen too small for it. It leaves the keys alone: arrows
// and page keys a box does not take go on to the window as they did without it.
class FormScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

  protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

}  // namespace

MainWindowView::MainWindowView(MainWindowModel& model, QWidget* parent)
    : QWidget(parent), model_(model), form_(new Ui::frmInput) {
    // The form keeps its design size inside a scroll area: the window takes that size where the
    // screen has room and scrolls where it has not (a small screen, a large desktop scale).
    auto* content = new QWidget;
    form_->setupUi(content);
    content->setFixedSize(content->size());
    content->setAutoFillBackground(true);
    setObjectName(content->objectName());
    content->setObjectName(QStringLiteral("frmInputContent"));
    setPalette(content->palette());
    auto* scroll = new FormScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrFormArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // The form's title is "VELMORANT Version"; the number comes from the build.
    setWindowTitle(content->windowTitle() + ' ' +
                   QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
    setWindowIcon(content->windowIcon());
    setMaximumSize(content->size());
    resize(content->size());
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty()) {
            Bind(child);
        }
    }
    // The window's keys, wherever the focus is in it: Escape as STOP (while STOP is shown), F1
    // as HELP.
    stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(stopKey_, &QShortcut::activated, this, [this] { ClickControl("cmdStop"); });
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, [this] { ClickControl("cmdHELP"); });
    model_.Hooks.ControlChanged = [this](std::string_view name) { Refresh(name); };
    model_.Hooks.MoveFocus = [this](std::string_view name) {
        if (const auto found = widgets_.find(std::string(name)); found != widgets_.end()) {
            found->second->setFocus();
        }
    };
    RefreshAll();
}

MainWindowView::~MainWindowView() {
    // The controls live on until QWidget's destructor deletes them, and a list's line edit
    // losing the focus then would still call FinishTyping on this half-destroyed view.
    for (const auto& [name, widget] : widgets_) {
        widget->disconnect(this);
        if (auto* list = qobject_cast<QComboBox*>(widget); list != nullptr && list->lineEdit()) {
            list->lineEdit()->disconnect(this);
        }
    }
    model_.Hooks.ControlChanged = nullptr;
    model_.Hooks.MoveFocus = nullptr;
    delete form_;
}

void MainWindowView::Bind(QWidget* widget) {
    const std::string name = Utf8(widget->objectName());
    if (std::holds_alternative<std::monostate>(model_.FindControl(name))) {
        return;  // a widget the model does not know (a separator line, an inner part)
    }
    widgets_[name] = widget;
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            if (!refreshing_) {
                model_.TypeText(name, Utf8(text));
            }
        });
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this, [this, name](int index) {
            if (!refreshing_) {
                model_.ChooseItem(name, index);
            }
        });
        if (list->lineEdit() != nullptr && TakesTypedItems(name)) {
            // The typed text names an item once the typing ends; a completer would turn a typed
            // "1" into "10" on the way.
            list->setCompleter(nullptr);
            connect(list->lineEdit(), &QLineEdit::editingFinished, this,
                    [this, name] { FinishTyping(name); });
        } else if (list->lineEdit() != nullptr) {
            connect(list->lineEdit(), &QLineEdit::textEdited, this,
                    [this, name](const QString& text) {
                        if (!refreshing_) {
                            model_.TypeText(name, Utf8(text));
                        }
                    });
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::clicked, this, [this, name](bool checked) {
            if (!refreshing_) {
                model_.SetChecked(name, checked);
            }
        });
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, name] {
            if (!refreshing_) {
                ClickControl(name);
            }
        });
    }
    if (IsClickTarget(name) || HasKeyHandler(name)) {
        widget->installEventFilter(this);
    }
}

void MainWindowView::FinishTyping(const std::string& name) {
    auto* list = qobject_cast<QComboBox*>(widgets_[name]);
    if (refreshing_ || list == nullptr || list->lineEdit() == nullptr) {
        return;
    }
    model_.EnterText(name, Utf8(list->lineEdit()->text()));
}

void MainWindowView::ClickControl(const std::string& name) {
    // A click ends the typing in a list as leaving the list does, even where the click takes
    // no focus: the command works on the item the typed text names.
    for (const auto& [listName, widget] : widgets_) {
        if (TakesTypedItems(listName)) {
            FinishTyping(listName);
        }
    }
    model_.Click(name);
}

void MainWindowView::RefreshAll() {
    for (const auto& [name, widget] : widgets_) {
        Refresh(name);
    }
}

void MainWindowView::Refresh(std::string_view controlName) {
    const auto found = widgets_.find(std::string(controlName));
    if (found == widgets_.end()) {
        return;
    }
    QWidget* widget = found->second;
    refreshing_ = true;
    const ControlView control = model_.FindControl(controlName);
    bool visible = true;
    if (const auto* const* text = std::get_if<const TextBox*>(&control)) {
        auto* box = qobject_cast<QLineEdit*>(widget);
        if (box != nullptr && Utf8(box->text()) != (*text)->Text) {
            box->setText(Q((*text)->Text));
        }
        visible = (*text)->Visible;
    } else if (const auto* const* combo = std::get_if<const ComboBox*>(&control)) {
        auto* list = qobject_cast<QComboBox*>(widget);
        if (list != nullptr) {
            QStringList items;
            for (const auto& item : (*combo)->Items) {
                items << Q(item);
            }
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) {
                shown << list->itemText(i);
            }
            if (shown != items) {
                list->clear();
                list->addItems(items);
            }
            if (list->currentIndex() != (*combo)->SelectedIndex) {
                list->setCurrentIndex((*combo)->SelectedIndex);
            }
            if (Utf8(list->currentText()) != (*combo)->Text) {
                list->setEditText(Q((*combo)->Text));
            }
        }
        visible = (*combo)->Visible;
    } else if (const auto* const* check = std::get_if<const CheckBox*>(&control)) {
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setChecked((*check)->Checked);
        }
        visible = (*check)->Visible;
    } else if (const auto* const* label = std::get_if<const Label*>(&control)) {
        if (auto* caption = qobject_cast<QLabel*>(widget)) {
            caption->setText(Q((*label)->Caption));
        }
        visible = (*label)->Visible;
    } else if (const auto* const* button = std::get_if<const Button*>(&control)) {
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            push->setText(Q((*button)->Caption));
        }
        visible = (*button)->Visible;
    }
    widget->setVisible(visible);
    stopKey_->setEnabled(model_.RunInProgress());
    refreshing_ = false;
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    const std::string name = Utf8(widget->objectName());
    if (event->type() == QEvent::MouseButtonRelease && IsClickTarget(name)) {
        ClickControl(name);
    } else if (event->type() == QEvent::KeyPress && HasKeyHandler(name)) {
        return HandleKey(name, static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindowView::HandleKey(const std::string& name, QKeyEvent* event) {
    // The key code as a text box would receive it before inserting it.
    int code = 0;
    if (event->key() == Qt::Key_Escape) {
        code = 27;
    } else if (event->key() == Qt::Key_Backspace) {
        code = 8;
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        code = static_cast<int>(event->text().toUcs4().value(0));
    } else {
        return false;  // arrows, Tab, Enter: the box's own business
    }
    const int original = code;
    model_.KeyPress(name, code);
    // 0 discards the key, 10 means the handler has put the character in itself.
    if (code == 0 || code == 10) {
        return true;
    }
    if (code != original) {
        auto* box = qobject_cast<QLineEdit*>(widgets_[name]);
        if (box != nullptr) {
            const char32_t character = static_cast<char32_t>(code);
            box->insert(QString::fromUcs4(&character, 1));
            model_.TypeText(name, Utf8(box->text()));
        }
        return true;
    }
    return false;  // the key reaches the box unchanged
}

void MainWindowView::keyPressEvent(QKeyEvent* event) {
    // RUN is the window's default button: Enter anywhere presses it while it is shown.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        model_.cmdRUN.Visible) {
        ClickControl("cmdRUN");
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    model_.Form_QueryUnload();
    event->accept();
}

}  // namespace velmorant
