#include "app/dtmf_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/call_list.h"
#include "app/document.h"
#include "app/option_binding.h"
#include "editor/option_dependencies.h"

namespace hm3300::app {

using model::Option;

namespace {

QFormLayout* formIn(QGroupBox* group) {
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setVerticalSpacing(8);
    form->setHorizontalSpacing(16);
    return form;
}

}  // namespace

DtmfPage::DtmfPage(Document& document, QWidget* parent)
    : QWidget(parent),
      document_(document),
      binding_(new OptionBinding(document, this)),
      pages_(new QTabWidget) {
    setObjectName(QStringLiteral("DtmfPage"));
    pages_->setObjectName(QStringLiteral("DtmfPages"));
    pages_->addTab(buildSystemPage(), QString());
    pages_->addTab(buildParameterPage(), QString());
    captions_.add(106, QStringLiteral("系统"),
                  [this](const QString& text) { pages_->setTabText(0, text); });
    captions_.add(107, QStringLiteral("参数"),
                  [this](const QString& text) { pages_->setTabText(1, text); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(pages_);

    // The call list's own editor is connected by the list itself.
    for (FilteredLineEdit* field : {bot_, eot_}) {
        connect(field, &FilteredLineEdit::returnToCallList, callList_, &CallList::returnFromEditor);
    }
    connect(pttIdType_, &QComboBox::activated, this, &DtmfPage::onPttIdTypeChosen);
    onPttIdTypeChosen();
    showDocument();
}

QWidget* DtmfPage::buildSystemPage() {
    auto* page = new QWidget;

    auto* system = new QGroupBox;
    captions_.add(106, system, QStringLiteral("系统"));
    QFormLayout* timings = formIn(system);
    timings->addRow(captions_.label(108, QStringLiteral("DTMF持续时间[毫秒]")),
                    binding_->number(Option::Digit_Time));
    timings->addRow(captions_.label(109, QStringLiteral("DTMF间隔时间[毫秒]")),
                    binding_->number(Option::Digit_Space));
    timings->addRow(captions_.label(110, QStringLiteral("首码延迟时间[毫秒]")),
                    binding_->number(Option::First_Digit));
    timings->addRow(captions_.label(112, QStringLiteral("预载波时间[毫秒]")),
                    binding_->number(Option::Pretime));
    timings->addRow(captions_.label(113, QStringLiteral("*和#音[毫秒]")),
                    binding_->number(Option::StarHashDelay));
    timings->addRow(captions_.add(115, binding_->flag(Option::DTMF_Side), QStringLiteral("侧音")));
    timings->addRow(
        captions_.add(114, binding_->flag(Option::ACK_Decode), QStringLiteral("回复解码")));

    auto* calls = new QGroupBox;
    captions_.add(121, calls, QStringLiteral("呼叫列表"));
    callList_ = new CallList(document_.settings());
    connect(callList_->callEditor(), &QLineEdit::editingFinished, &document_,
            &Document::finishStepSoon);
    captions_.add(122, QStringLiteral("序号"),
                  [this](const QString& text) { callList_->setHeaderText(0, text); });
    captions_.add(123, QStringLiteral("自动拨号号码"),
                  [this](const QString& text) { callList_->setHeaderText(1, text); });
    auto* callLayout = new QVBoxLayout(calls);
    callLayout->addWidget(callList_);
    callLayout->addStretch();

    auto* pttId = new QGroupBox(QStringLiteral("PTT ID"));
    QFormLayout* codes = formIn(pttId);
    pttIdType_ = binding_->choice(Option::PTT_ID);
    codes->addRow(captions_.label(117, QStringLiteral("PTT ID类型")), pttIdType_);
    bot_ = binding_->text(Option::BOT);
    codes->addRow(captions_.label(118, QStringLiteral("发射开始")), bot_);
    eot_ = binding_->text(Option::EOT);
    codes->addRow(captions_.label(119, QStringLiteral("发射结束")), eot_);
    codes->addRow(
        captions_.add(116, binding_->flag(Option::Display_PTT_ID), QStringLiteral("显示PTT ID")));

    auto* left = new QVBoxLayout;
    left->addWidget(system);
    left->addWidget(pttId);
    left->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(calls, 0, Qt::AlignTop);
    layout->addStretch();
    system->setFixedWidth(330);
    pttId->setFixedWidth(330);
    return page;
}

QWidget* DtmfPage::buildParameterPage() {
    auto* page = new QWidget;

    auto* decode = new QGroupBox;
    captions_.add(124, decode, QStringLiteral("解码"));
    QFormLayout* decodeForm = formIn(decode);
    decodeForm->addRow(captions_.label(125, QStringLiteral("组ID")),
                       binding_->choice(Option::Group));
    decodeForm->addRow(captions_.label(126, QStringLiteral("本机ID")),
                       binding_->text(Option::Private));
    decodeForm->addRow(captions_.label(127, QStringLiteral("自动复位时间(秒)")),
                       binding_->number(Option::Auto_Reset, NumberSpinBox::Resolution::Halves));
    decodeForm->addRow(
        captions_.add(128, binding_->flag(Option::Auto_ACK), QStringLiteral("自动回复")));
    decodeForm->addRow(
        captions_.add(129, binding_->flag(Option::DTMF_Beep), QStringLiteral("提示音")));
    decodeForm->addRow(
        captions_.add(130, binding_->flag(Option::Strip), QStringLiteral("带CTC/DCS解码")));

    auto* stun = new QGroupBox;
    captions_.add(140, stun, QStringLiteral("遥毙"));
    QFormLayout* stunForm = formIn(stun);
    QCheckBox* stunActive =
        captions_.add(131, binding_->flag(Option::Stun), QStringLiteral("遥控激活"));
    stunForm->addRow(stunActive);
    stunCode_ = binding_->text(Option::Stun_Code);
    stunForm->addRow(captions_.label(132, QStringLiteral("遥控码")), stunCode_);
    stunType_ = binding_->choice(Option::Stun_Type);
    stunForm->addRow(captions_.label(133, QStringLiteral("遥控类型")), stunType_);
    connect(stunActive, &QCheckBox::toggled, this, &DtmfPage::followStun);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(decode, 0, Qt::AlignTop);
    layout->addWidget(stun, 0, Qt::AlignTop);
    layout->addStretch();
    decode->setFixedWidth(330);
    stun->setFixedWidth(300);
    return page;
}

void DtmfPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
    binding_->applyLanguage(pack);
}

void DtmfPage::showDocument() {
    binding_->showDocument();
    callList_->showDocument();
    followStun();
}

void DtmfPage::hideCallEditor() {
    callList_->hideCallEditor();
}

void DtmfPage::showSystemPage() {
    pages_->setCurrentIndex(0);
}

void DtmfPage::onPttIdTypeChosen() {
    const editor::PttIdCodes editable =
        editor::editablePttIdCodes(document_.settings().choice(Option::PTT_ID));
    bot_->setEnabled(editable.bot);
    eot_->setEnabled(editable.eot);
}

void DtmfPage::followStun() {
    const bool editable = editor::stunControlsEditable(document_.settings());
    stunCode_->setEnabled(editable);
    stunType_->setEnabled(editable);
}

}  // namespace hm3300::app
