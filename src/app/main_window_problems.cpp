// MainWindow: a codeplug the write check refuses. Every problem is listed by channel and
// field in the current language, and double-clicking one shows where it is.

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QTabWidget>

#include "app/channel_edit_page.h"
#include "app/channel_grid.h"
#include "app/channel_page.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "app/write_problems_dialog.h"
#include "editor/edit_state.h"
#include "model/channel.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

using model::ChannelField;

std::optional<ChannelField> channelField(const std::string& name) {
    for (ChannelField field : model::allChannelFields()) {
        if (model::fieldName(field) == name) {
            return field;
        }
    }
    return std::nullopt;
}

// The caption a control shows the operator: a check box's own text, or the label that
// names it in a form or as its buddy within `window`.
QString controlCaption(const QWidget& window, QWidget* control) {
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        return box->text();
    }
    for (const QFormLayout* form : window.findChildren<QFormLayout*>()) {
        if (const auto* label = qobject_cast<QLabel*>(form->labelForField(control))) {
            return label->text();
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == control) {
            return label->text();
        }
    }
    return {};
}

}  // namespace

void MainWindow::showWriteProblems(std::vector<codec::WriteProblem> problems) {
    if (writeProblems_ == nullptr) {
        writeProblems_ = new WriteProblemsDialog(this);
    }
    writeProblems_->showProblems(
        std::move(problems), document_.pack(),
        [this](const codec::WriteProblem& problem) { return fieldCaption(problem); },
        [this](const codec::WriteProblem& problem) { showProblemPlace(problem); });
}

// A channel field is named as its grid column or its control on the channel page is.
QString MainWindow::fieldCaption(const codec::WriteProblem& problem) const {
    const QString name = QString::fromStdString(problem.field);
    QString caption;
    if (problem.channel == 0) {
        if (auto* control = findChild<QWidget*>(name)) {
            caption = controlCaption(*this, control);
        }
    } else if (const auto field = channelField(problem.field); field && model::isVisible(*field)) {
        caption = channelEditPage_->grid()
                      ->model()
                      ->headerData(editor::columnOfField(*field), Qt::Horizontal)
                      .toString();
    } else if (auto* control = channelPage_->findChild<QWidget*>(name)) {
        caption = controlCaption(*channelPage_, control);
    }
    caption = withoutAccelerator(caption).trimmed();
    return caption.isEmpty() ? name : caption;
}

// A visible channel field is shown in the grid, a hidden one on the channel page; an option
// on its page, with the focus on its control.
void MainWindow::showProblemPlace(const codec::WriteProblem& problem) {
    if (problem.channel > 0) {
        const auto field = channelField(problem.field);
        if (field && model::isVisible(*field)) {
            pages_->setCurrentIndex(kChannelEditPage);
            channelEditPage_->grid()->moveToCell(editor::columnOfField(*field), problem.channel);
        } else {
            channelPage_->showChannel(problem.channel);
            pages_->setCurrentIndex(kChannelPage);
        }
        return;
    }
    QWidget* control = findChild<QWidget*>(QString::fromStdString(problem.field));
    if (control == nullptr) {
        return;
    }
    // Every page that holds the control, from the innermost out, is brought to the front.
    for (QWidget* child = control; child->parentWidget() != nullptr;
         child = child->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(child->parentWidget()->parentWidget())) {
            const int index = tabs->indexOf(child);
            if (index >= 0) {
                tabs->setCurrentIndex(index);
            }
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace hm3300::app
