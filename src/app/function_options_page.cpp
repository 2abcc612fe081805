#include "app/function_options_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "app/document.h"
#include "app/form_group.h"
#include "app/option_binding.h"
#include "editor/option_dependencies.h"

namespace hm3300::app {

using model::Option;

FunctionOptionsPage::FunctionOptionsPage(Document& document, QWidget* parent)
    : QWidget(parent), document_(document), binding_(new OptionBinding(document, this)) {
    setObjectName(QStringLiteral("FunctionOptionsPage"));
    buildBasicGroup();
    memoryDisplay_->setEnabled(editor::memoryDisplayEditable(document_.settings()));
    showDocument();
}

void FunctionOptionsPage::buildBasicGroup() {
    auto* group = new QGroupBox;
    captions_.add(20, group, QStringLiteral("基本功能"));
    FormGroup form(group);
    auto addChoice = [&](Option option, QLabel* label) {
        QComboBox* box = binding_->choice(option);
        form.addRow(label, box);
        return box;
    };
    addChoice(Option::APO, captions_.label(81, QStringLiteral("APO功能")));
    addChoice(Option::scankind, captions_.label(43, QStringLiteral("扫描模式")));
    addChoice(Option::step, captions_.label(83, QStringLiteral("频率步进")));
    QComboBox* workingMode = addChoice(Option::VFO_MR, new QLabel(QStringLiteral("VFO/ MR")));
    memoryDisplay_ =
        addChoice(Option::MR_freq_MR_CH, new QLabel(QStringLiteral("MR freq./ MR CH")));
    addChoice(Option::Squelch, captions_.label(38, QStringLiteral("静噪等级(SQL)")));
    addChoice(Option::TOT, captions_.label(40, QStringLiteral("超时禁发")));
    QComboBox* monitor =
        addChoice(Option::Monitor, captions_.label(103, QStringLiteral("静噪模式")));
    band_ = addChoice(Option::Band, captions_.label(85, QStringLiteral("频段")));

    for (QCheckBox* box :
         {captions_.add(41, binding_->flag(Option::Beep), QStringLiteral("提示音")),
          captions_.add(39, binding_->flag(Option::Save), QStringLiteral("省电模式")),
          captions_.add(82, binding_->flag(Option::Key_Lock), QStringLiteral("键盘锁定")),
          captions_.add(87, binding_->flag(Option::FM_Enable), QStringLiteral("FM开关"))}) {
        form.addBeside(box);
    }
    QCheckBox* expandedBand =
        captions_.add(84, binding_->flag(Option::Exp_Freq), QStringLiteral("按键扩频"));
    form.addBeside(expandedBand);
    // The emergency alarm is kept in the codeplug, but the radio offers no choice of it here.
    QCheckBox* emergency =
        captions_.add(42, binding_->flag(Option::EMG), QStringLiteral("报警功能"));
    emergency->setParent(group);
    emergency->hide();

    voxPanel_ = new QWidget;
    voxPanel_->setObjectName(QStringLiteral("VoxPanel"));
    auto* vox = new QGridLayout(voxPanel_);
    vox->setContentsMargins(0, 8, 0, 0);
    vox->setVerticalSpacing(10);
    QLabel* voxLevel = captions_.label(45, QStringLiteral("VOX 灵敏度"));
    QLabel* voxDelay = captions_.label(46, QStringLiteral("VOX 迟时"));
    vox->addWidget(voxLevel, 0, 0);
    vox->addWidget(binding_->choice(Option::VoxSQL), 0, 1);
    vox->addWidget(voxDelay, 1, 0);
    vox->addWidget(binding_->choice(Option::VoxDelay), 1, 1);
    vox->addWidget(captions_.add(47, binding_->flag(Option::VoxRX), QStringLiteral("接收禁止VOX")),
                   2, 0, 1, 2);
    form.addBeside(voxPanel_);
    form.finish();
    placeGroupOnPage(this, group, 560);

    connect(workingMode, &QComboBox::activated, this, &FunctionOptionsPage::onWorkingModeChosen);
    connect(memoryDisplay_, &QComboBox::activated, this, &FunctionOptionsPage::onWorkingModeChosen);
    connect(expandedBand, &QCheckBox::toggled, this, &FunctionOptionsPage::onExpandedBandSet);
    connect(monitor, &QComboBox::activated, this, &FunctionOptionsPage::bandCaptionRequested);
}

void FunctionOptionsPage::applyLanguage(const model::LanguagePack& pack) {
    captions_.apply(pack);
    binding_->applyLanguage(pack);
}

void FunctionOptionsPage::showDocument() {
    binding_->showDocument();
    // The box rule follows the loaded state; the list rules wait for the operator.
    band_->setEnabled(editor::bandEditable(document_.settings()));
}

void FunctionOptionsPage::setSingleHead(bool singleHead) {
    singleHead_ = singleHead;
    voxPanel_->setVisible(!singleHead);
}

void FunctionOptionsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (singleHead_) {
        voxPanel_->hide();
    }
}

void FunctionOptionsPage::onWorkingModeChosen() {
    memoryDisplay_->setEnabled(editor::applyWorkingModeChange(document_.settings()));
    binding_->show(Option::MR_freq_MR_CH);
}

void FunctionOptionsPage::onExpandedBandSet() {
    band_->setEnabled(editor::applyExpandedBandSet(document_.settings()));
    binding_->show(Option::Band);
}

}  // namespace hm3300::app
