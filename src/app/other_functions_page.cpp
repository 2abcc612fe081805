#include "app/other_functions_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

#include "app/document.h"
#include "app/option_binding.h"
#include "editor/band_caption.h"
#include "editor/option_dependencies.h"
#include "editor/text_fields.h"

namespace hm3300::app {

using model::BandListId;
using model::Option;

namespace {

constexpr int kReceiveLabelId = 90;
constexpr int kTransmitLabelId = 91;

std::size_t slot(BandListId id) {
    return static_cast<std::size_t>(id);
}

}  // namespace

OtherFunctionsPage::OtherFunctionsPage(Document& document, QWidget* parent)
    : QWidget(parent), document_(document), binding_(new OptionBinding(document, this)) {
    setObjectName(QStringLiteral("OtherFunctionsPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addWidget(buildBandGroup());
    layout->addWidget(buildPasswordRow());
    layout->addStretch();
    showDocument();
}

QWidget* OtherFunctionsPage::buildBandGroup() {
    auto* group = captions_.add(70, new QGroupBox, QStringLiteral("频段"));
    auto* boxes = new QHBoxLayout(group);
    // The receive and transmit labels have no text of their own before a pack is loaded;
    // the built-in pack's words stand in for them.
    auto addBox = [&](int captionId, const QString& caption, BandListId receive,
                      BandListId transmit) {
        auto* box = captions_.add(captionId, new QGroupBox, caption);
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(10);
        int row = 0;
        for (auto [id, labelId, builtin] :
             {std::tuple{receive, kReceiveLabelId, QStringLiteral("接收")},
              std::tuple{transmit, kTransmitLabelId, QStringLiteral("发射")}}) {
            auto* list = new QComboBox;
            list->setObjectName(QString::fromUtf8(model::bandListName(id)));
            list->setMinimumWidth(140);
            connect(list, &QComboBox::activated, this,
                    [this, id](int index) { onBandChosen(id, index); });
            bandBoxes_[slot(id)] = list;
            grid->addWidget(captions_.label(labelId, builtin), row, 0);
            grid->addWidget(list, row, 1);
            ++row;
        }
        boxes->addWidget(box);
    };
    addBox(88, QStringLiteral("频段1"), BandListId::BAND_Rx, BandListId::BAND_Tx);
    addBox(89, QStringLiteral("频段2"), BandListId::BAND_Rx1, BandListId::BAND_Tx1);
    group->setFixedWidth(560);
    return group;
}

QWidget* OtherFunctionsPage::buildPasswordRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(10, 0, 0, 0);
    QCheckBox* change =
        captions_.add(144, binding_->flag(Option::ChangePassword), QStringLiteral("修改密码"));
    password_ = binding_->text(Option::Password);
    // Unlike the code fields, the password keeps the standard context menu.
    password_->setContextMenuPolicy(Qt::DefaultContextMenu);
    password_->setFixedWidth(100);
    layout->addWidget(change);
    layout->addWidget(password_);
    layout->addStretch();

    connect(change, &QCheckBox::toggled, this, &OtherFunctionsPage::followChangePassword);
    connect(password_, &FilteredLineEdit::left, this, [this] {
        password_->setText(
            QString::fromStdString(model::effectivePassword(password_->text().toStdString())));
    });
    return row;
}

void OtherFunctionsPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
}

void OtherFunctionsPage::showDocument() {
    binding_->showDocument();
    for (BandListId id : model::kBandListIds) {
        showBandList(id);
    }
    followChangePassword();
}

void OtherFunctionsPage::showBandList(BandListId id) {
    QComboBox* list = bandBoxes_[slot(id)];
    const model::BandList& band = document_.codeplug().bands[id];
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& entry : band.entries) {
        list->addItem(QString::fromStdString(entry));
    }
    list->setCurrentIndex(band.selected);
}

void OtherFunctionsPage::onBandChosen(BandListId id, int index) {
    document_.codeplug().bands[id].selected = index;
    if (editor::renewsBandCaption(id)) {
        emit bandCaptionRequested();
    }
}

void OtherFunctionsPage::followChangePassword() {
    password_->setEnabled(editor::passwordEditable(document_.settings()));
}

}  // namespace hm3300::app
