#pragma once
// The page "DTMF": inner page "系统" (timings, PTT ID, call list) and "参数" (decode, stun).

#include <QWidget>

#include "app/caption_table.h"
#include "app/document_view.h"

class QComboBox;
class QTabWidget;

namespace hm3300::app {

class CallList;
class Document;
class FilteredLineEdit;
class OptionBinding;

class DtmfPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit DtmfPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

    // Hides the call list editor, as New and the programming dialog do.
    void hideCallEditor();
    // Brings the inner page "系统" to the front.
    void showSystemPage();

private:
    QWidget* buildSystemPage();
    QWidget* buildParameterPage();
    void onPttIdTypeChosen();
    void followStun();

    Document& document_;
    OptionBinding* binding_;
    CaptionTable captions_;
    QTabWidget* pages_;
    CallList* callList_ = nullptr;
    QComboBox* pttIdType_ = nullptr;
    FilteredLineEdit* bot_ = nullptr;
    FilteredLineEdit* eot_ = nullptr;
    FilteredLineEdit* stunCode_ = nullptr;
    QComboBox* stunType_ = nullptr;
};

}  // namespace hm3300::app
