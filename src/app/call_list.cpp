#include "app/call_list.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "app/typed_key.h"

namespace hm3300::app {

namespace {

constexpr int kRows = model::kCallListSize + 1;
constexpr int kLabelColumn = 0;
constexpr int kCodeColumn = 1;
constexpr int kLabelWidth = 64;
constexpr int kCodeWidth = 153;
constexpr int kRowHeight = 20;
constexpr int kEditorHeight = 18;

// The header row and the label column cannot be selected or edited.
QTableWidgetItem* fixedItem(const QString& text, const QPalette& palette) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(palette.button());
    return item;
}

model::Option entryOption(int row) {
    return model::callOption(row - 1);
}

}  // namespace

CallList::CallList(model::RadioSettings& settings, QWidget* parent)
    : QTableWidget(kRows, 2, parent),
      settings_(settings),
      callEditor_(new FilteredLineEdit(editor::textFieldRule(model::Option::Call0), viewport())) {
    setObjectName(QStringLiteral("CallList"));
    callEditor_->setObjectName(QStringLiteral("CallEditor"));
    callEditor_->resize(kCodeWidth, kEditorHeight);
    callEditor_->hide();
    callEditor_->installEventFilter(this);
    connect(callEditor_, &FilteredLineEdit::returnToCallList, this, &CallList::returnFromEditor);

    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnWidth(kLabelColumn, kLabelWidth);
    setColumnWidth(kCodeColumn, kCodeWidth);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setFixedSize(kLabelWidth + kCodeWidth + 2 * frameWidth() + 1,
                 kRows * kRowHeight + 2 * frameWidth() + 1);

    setItem(0, kLabelColumn, fixedItem(QString(), palette()));
    setItem(0, kCodeColumn, fixedItem(QString(), palette()));
    for (int row = 1; row < kRows; ++row) {
        setItem(row, kLabelColumn, fixedItem(QStringLiteral("   %1").arg(row - 1), palette()));
        setItem(row, kCodeColumn, new QTableWidgetItem);
    }
    connect(this, &QTableWidget::cellClicked, this, &CallList::openEditorOn);
    showDocument();
}

void CallList::setHeaderText(int column, const QString& text) {
    item(0, column)->setText(text);
}

void CallList::showDocument() {
    hideCallEditor();
    for (int row = 1; row < kRows; ++row) {
        item(row, kCodeColumn)->setText(QString::fromStdString(settings_.text(entryOption(row))));
    }
}

void CallList::hideCallEditor() {
    callEditor_->hide();
}

void CallList::returnFromEditor() {
    hideCallEditor();
    setFocus(Qt::OtherFocusReason);
}

void CallList::openEditorOn(int row, int column) {
    if (row < 1 || column != kCodeColumn) {
        return;
    }
    hideCallEditor();
    callEditor_->clear();
    callRow_ = row;
    const QRect cell = visualItemRect(item(row, column));
    callEditor_->move(cell.left(), cell.top() + (cell.height() - kEditorHeight) / 2);
    callEditor_->setText(item(row, column)->text());
    callEditor_->show();
}

void CallList::writeEditorIntoEntry() {
    if (!entryChosen()) {
        return;
    }
    item(callRow_, kCodeColumn)->setText(callEditor_->text());
    settings_.setText(entryOption(callRow_), callEditor_->text().toStdString());
}

void CallList::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event)) {
        hideCallEditor();
        event->accept();
        return;
    }
    const std::optional<char32_t> typed = typedCharacter(*event);
    if (!typed) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!entryChosen()) {
        return;
    }
    // A dropped key or Backspace starts an empty entry.
    const std::optional<char> passed = editor::filterKey(model::TextCharset::Dtmf, *typed);
    const bool character = passed && *passed != editor::kBackspace;
    callEditor_->setText(character ? QString(QChar(*passed)) : QString());
    callEditor_->show();
    callEditor_->setFocus(Qt::OtherFocusReason);
    callEditor_->setCursorPosition(callEditor_->text().size());
    // The key's release lands in the editor and writes the entry; writing it now as well
    // keeps the entry right should the release go astray.
    writeEditorIntoEntry();
}

bool CallList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == callEditor_ && event->type() == QEvent::KeyRelease) {
        writeEditorIntoEntry();
    }
    return QTableWidget::eventFilter(watched, event);
}

}  // namespace hm3300::app
