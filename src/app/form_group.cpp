#include "app/form_group.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace hm3300::app {

void placeGroupOnPage(QWidget* page, QGroupBox* group, int width) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(group);
    layout->addStretch();
    group->setFixedWidth(width);
}

FormGroup::FormGroup(QGroupBox* group) : grid_(new QGridLayout(group)), beside_(new QVBoxLayout) {
    grid_->setHorizontalSpacing(16);
    grid_->setVerticalSpacing(10);
    beside_->setSpacing(10);
}

void FormGroup::addRow(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    grid_->addWidget(caption, rows_, 0);
    grid_->addWidget(field, rows_, 1);
    ++rows_;
}

void FormGroup::addBeside(QWidget* widget) {
    beside_->addWidget(widget);
}

// Column 2 is the gap between the fields and the check boxes.
void FormGroup::finish() {
    beside_->addStretch();
    grid_->addLayout(beside_, 0, 3, rows_, 1);
    grid_->setColumnMinimumWidth(1, 150);
    grid_->setColumnMinimumWidth(2, 40);
    grid_->setRowStretch(rows_, 1);
}

}  // namespace hm3300::app
