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
#include "model/channel.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

using model::ChannelField;

// The grid headers and the labels of the channel page that name each field; the pack
// leaves DTMF, PTT ID and VOX as they are.
struct FieldName {
    ChannelField field;
    int textId;  // 0: `fixed`
    const char* fixed;
};

constexpr FieldName kFieldNames[] = {
    {ChannelField::RxFreq, 26, ""},     {ChannelField::RxTone, 27, ""},
    {ChannelField::TxFreq, 28, ""},     {ChannelField::TxTone, 29, ""},
    {ChannelField::Power, 30, ""},      {ChannelField::Bandwidth, 73, ""},
    {ChannelField::ScanAdd, 31, ""},    {ChannelField::Dtmf, 0, "DTMF"},
    {ChannelField::PttId, 0, "PTT ID"}, {ChannelField::Alias, 101, ""},
    {ChannelField::TailElim, 76, ""},   {ChannelField::Vox, 0, "VOX"},
    {ChannelField::BusyLock, 32, ""},   {ChannelField::VoiceMode, 77, ""},
};

std::optional<ChannelField> channelField(const std::string& name) {
    for (ChannelField field : model::allChannelFields()) {
        if (model::fieldName(field) == name) {
            return field;
        }
    }
    return std::nullopt;
}

// The caption a control shows the operator: a check box's own text, or the label that
// names it in a form or as its buddy.
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

QString MainWindow::fieldCaption(const codec::WriteProblem& problem) const {
    QString caption;
    if (problem.channel > 0) {
        if (const auto field = channelField(problem.field)) {
            for (const FieldName& name : kFieldNames) {
                if (name.field == *field) {
                    caption = name.textId != 0 ? packText(document_.pack(), name.textId)
                                               : QString::fromLatin1(name.fixed);
                }
            }
        }
    } else if (auto* control = findChild<QWidget*>(QString::fromStdString(problem.field))) {
        caption = controlCaption(*this, control);
    }
    caption = withoutAccelerator(caption).trimmed();
    return caption.isEmpty() ? QString::fromStdString(problem.field) : caption;
}

// A visible channel field is shown in the grid, a hidden one on the channel page; an option
// on its page, with the focus on its control.
void MainWindow::showProblemPlace(const codec::WriteProblem& problem) {
    if (problem.channel > 0) {
        const auto field = channelField(problem.field);
        if (field && model::isVisible(*field)) {
            pages_->setCurrentIndex(kChannelEditPage);
            channelEditPage_->grid()->moveToCell(static_cast<int>(*field) + 1, problem.channel);
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
