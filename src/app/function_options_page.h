#pragma once
// The page "功能选项": the basic function options, with the VOX options hidden in single-head mode.

#include <QWidget>

#include "app/caption_table.h"
#include "app/document_view.h"

class QComboBox;

namespace hm3300::app {

class Document;
class OptionBinding;

class FunctionOptionsPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit FunctionOptionsPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    // Single-head mode hides the VOX options; the page hides them again whenever it is shown.
    void setSingleHead(bool singleHead);

signals:
    // The operator chose a squelch mode: the window caption shows the band 1 receive range.
    void bandCaptionRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildBasicGroup();
    void onWorkingModeChosen();
    void onExpandedBandSet();

    Document& document_;
    OptionBinding* binding_;
    CaptionTable captions_;
    QComboBox* memoryDisplay_ = nullptr;  // MR freq./MR CH
    QComboBox* band_ = nullptr;
    QWidget* voxPanel_ = nullptr;
    bool singleHead_ = false;
};

}  // namespace hm3300::app
