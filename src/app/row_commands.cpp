#include "app/row_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/channel_editing.h"
#include "app/channel_grid.h"
#include "app/confirm_dialog.h"
#include "app/document.h"
#include "app/pack_text.h"
#include "editor/channel_rows.h"
#include "model/text_ids.h"

namespace hm3300::app {

RowCommands::RowCommands(ChannelEditing& editing, ChannelGrid& grid, ConfirmDialog& confirm,
                         QObject* parent)
    : QObject(parent), editing_(editing), grid_(grid), confirm_(confirm) {}

std::vector<int> RowCommands::targetRows() const {
    std::vector<int> rows = grid_.selectedRows();
    if (rows.empty()) {
        rows.push_back(editing_.state().currentLine);
    }
    return rows;
}

bool RowCommands::begin() {
    const bool committed = editing_.commit();
    grid_.hideOverlayEditors();
    return committed;
}

void RowCommands::finish() {
    editing_.finished(std::nullopt);
}

void RowCommands::copyToClipboard(const std::vector<int>& rows) {
    const std::vector<model::Channel> copied =
        editor::copyRows(editing_.document().codeplug().channels, rows);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kChannelsMimeType),
                  QByteArray::fromStdString(editor::channelsText(copied)));
    data->setText(QString::fromStdString(editor::visibleColumnsText(copied)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void RowCommands::cut() {
    if (!begin()) {
        return;
    }
    const std::vector<int> rows = targetRows();
    copyToClipboard(rows);
    editor::emptyRows(editing_.document().codeplug().channels, rows);
    finish();
}

void RowCommands::copy() {
    if (begin()) {
        copyToClipboard(targetRows());
    }
}

void RowCommands::paste() {
    if (!begin()) {
        return;
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromLatin1(kChannelsMimeType);
    const auto pasted = data != nullptr && data->hasFormat(type)
                            ? editor::parseChannelsText(data->data(type).toStdString())
                            : std::nullopt;
    if (!pasted) {
        confirm_.showWarning(model::TextId::NothingToPaste, {});
        return;
    }
    Document& document = editing_.document();
    const int first = editing_.state().currentLine;
    const int count =
        editor::pasteRows(document.codeplug().channels, first, *pasted, document.texts());
    finish();
    grid_.selectRows(first, count);
}

void RowCommands::insertRow() {
    if (!begin()) {
        return;
    }
    Document& document = editing_.document();
    model::ChannelTable& channels = document.codeplug().channels;
    if (editor::insertDropsChannel(channels) &&
        !confirm_.showMessage(captionText(document.pack(), model::TextId::ConfirmTitle),
                              packText(document.pack(), model::TextId::InsertDropsChannel),
                              editor::PendingCommand::MessageOnly)) {
        return;
    }
    editor::insertEmptyRow(channels, editing_.state().currentLine);
    grid_.clearRowSelection();
    finish();
}

void RowCommands::deleteRows() {
    if (!begin()) {
        return;
    }
    editor::deleteRows(editing_.document().codeplug().channels, targetRows());
    grid_.clearRowSelection();
    finish();
}

}  // namespace hm3300::app
