// MainWindow: the channel grid page, the single-channel page, the programming dialog and
// the Read and Write commands.

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "app/cell_text_edit.h"
#include "app/channel_edit_page.h"
#include "app/channel_editing.h"
#include "app/channel_grid.h"
#include "app/channel_page.h"
#include "app/confirm_dialog.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "app/programming_dialog.h"
#include "app/row_commands.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

// Why the command did not open the dialog: a codeplug the radio cannot take (nothing was
// sent), or a port that cannot be opened (missing device, no permission, in use).
void reportRefusal(MainWindow& window, const link::RunOutcome& outcome) {
    if (outcome.failure == link::RunFailure::NotWritable) {
        window.showWriteProblems(outcome.problems);
    } else {
        window.message().showWarning(model::TextId::PortErrorText,
                                     messageText(outcome.description, window.document().pack()));
    }
}

// The Read and Write commands from the port probe on: `item` is the command's menu item,
// `button` its tool button. Returns when the dialog has been closed.
void startProgramming(MainWindow& window, link::RunMode mode, const QAction& item,
                      const QAction& button) {
    ProgrammingDialog& dialog = window.programmingDialog();
    const link::SessionOptions options{
        window.portPath().toStdString(), window.commMode() == kSingleHead,
        window.fastLink() ? link::Pacing::Fast : link::Pacing::Fixed};
    if (const link::RunOutcome outcome = dialog.prepare(mode, options); !outcome.ok()) {
        reportRefusal(window, outcome);
        return;
    }
    dialog.setWindowTitle(withoutAccelerator(item.text()));
    dialog.startButton()->setText(button.text());
    dialog.setBanner(window.bannerText());
    dialog.setFixedHeight(ProgrammingDialog::kHeight);
    dialog.exec();
    // Preparing the run may have set the working mode; that is a change of its own.
    window.document().finishStep();
}

}  // namespace

QWidget* MainWindow::createChannelEditPage() {
    channelEditPage_ = new ChannelEditPage(*editing_);
    return channelEditPage_;
}

QWidget* MainWindow::createSingleChannelPage() {
    channelPage_ = new ChannelPage(*editing_);
    return channelPage_;
}

void MainWindow::createProgrammingDialog() {
    programmingDialog_ = new ProgrammingDialog(*this);
    // What was just read from or written to the radio counts as saved.
    connect(programmingDialog_, &ProgrammingDialog::runSucceeded, this,
            [this](link::RunMode mode, int seconds) {
                document_.markSaved();
                if (mode == link::RunMode::Read) {
                    forgetCurrentFile();
                }
                showRunSummary(mode, seconds);
            });
}

// "Read 12 channels from /dev/ttyUSB0 in 22 s": what was done stays in the status bar.
void MainWindow::showRunSummary(link::RunMode mode, int seconds) {
    const int channels = document_.codeplug().channels.channelCount();
    const int textId =
        mode == link::RunMode::Read ? model::TextId::ReadSummary : model::TextId::WriteSummary;
    QString summary = messageText(
        {textId, {std::to_string(channels), portPath().toStdString(), std::to_string(seconds)}},
        document_.pack());
    if (mode == link::RunMode::Read) {
        summary += QStringLiteral("; ") + keepReadBackup();
    }
    statusBar()->showMessage(summary);
}

void MainWindow::connectRowCommands() {
    ChannelGrid* grid = channelEditPage_->grid();
    rowCommands_ = new RowCommands(*editing_, *grid, *message_, this);
    const std::array<std::pair<QAction*, void (RowCommands::*)()>, 5> commands{{
        {menu_.cutRows, &RowCommands::cut},
        {menu_.copyRows, &RowCommands::copy},
        {menu_.pasteRows, &RowCommands::paste},
        {menu_.insertRow, &RowCommands::insertRow},
        {menu_.deleteRows, &RowCommands::deleteRows},
    }};
    for (const auto& [action, command] : commands) {
        // The grid's context menu offers them, and their shortcuts work while it has the keys.
        grid->addAction(action);
        connect(action, &QAction::triggered, this, [this, command] {
            pages_->setCurrentIndex(kChannelEditPage);
            (rowCommands_->*command)();
        });
    }
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::connectChannelEditing() {
    ChannelGrid* grid = channelEditPage_->grid();
    connect(grid, &ChannelGrid::arrived, channelPage_, &ChannelPage::showChannel);
    connect(grid, &ChannelGrid::channelPageRequested, this, [this](int row) {
        channelPage_->showChannel(row);
        pages_->setCurrentIndex(kChannelPage);
    });
    connect(channelPage_, &ChannelPage::gridRowRequested, grid, &ChannelGrid::moveToRow);
    // Showing the grid page takes the focus from the control that had it, so that its leave
    // rules run; the grid's editors may lie over cells another page has changed meanwhile.
    connect(pages_, &QTabWidget::currentChanged, this, [this, grid](int page) {
        if (page == kChannelEditPage) {
            grid->hideOverlayEditors();
            grid->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(editing_, &ChannelEditing::editFailed, this, [this](const QString& text) {
        message_->showMessage(warningCaption(document_.pack()), text,
                              editor::PendingCommand::MessageOnly);
    });
    connect(channelEditPage_, &ChannelEditPage::clearChannelsRequested, this, [this] {
        const model::LanguagePack& pack = document_.pack();
        message_->showMessage(captionText(pack, model::TextId::ConfirmTitle),
                              packText(pack, model::TextId::ConfirmText),
                              editor::PendingCommand::ClearChannels);
    });
    connect(message_, &ConfirmDialog::confirmed, this, &MainWindow::followConfirmation);
}

// New and the clearing of all channels put the grid on channel 1 again.
void MainWindow::followConfirmation(editor::ConfirmOutcome outcome) {
    ChannelGrid* grid = channelEditPage_->grid();
    switch (outcome) {
        case editor::ConfirmOutcome::CodeplugReset:
            grid->frequencyEditor()->clear();
            grid->moveToCell(editor::GridColumn::RxFreq, 1);
            channelPage_->showChannel(1);
            // A new codeplug holds nothing to lose yet.
            document_.markSaved();
            forgetCurrentFile();
            break;
        case editor::ConfirmOutcome::ChannelsCleared:
            grid->moveToCell(editor::GridColumn::RxFreq, 1);
            grid->hideOverlayEditors();
            break;
        case editor::ConfirmOutcome::Nothing:
            break;
    }
}

bool MainWindow::commitChannelEdit() {
    pages_->setCurrentIndex(kChannelEditPage);
    const bool committed = editing_->commitPending();
    channelEditPage_->grid()->hideOverlayEditors();
    return committed;
}

void MainWindow::hideToneDropDown() {
    channelEditPage_->grid()->hideToneDropDown();
}

void MainWindow::readFromRadio() {
    if (!commitChannelEdit() || !askToSaveChanges()) {
        return;
    }
    startProgramming(*this, link::RunMode::Read, *menu_.read, *menu_.readButton);
}

void MainWindow::writeToRadio() {
    if (!commitChannelEdit()) {
        return;
    }
    startProgramming(*this, link::RunMode::Write, *menu_.write, *menu_.writeButton);
}

}  // namespace hm3300::app
