#pragma once
// The page "其它功能": the four band lists of the workstation, and the radio password with
// the box that allows changing it.

#include <QWidget>
#include <array>

#include "app/caption_table.h"
#include "app/document_view.h"
#include "model/band_list.h"

class QComboBox;

namespace hm3300::app {

class Document;
class FilteredLineEdit;
class OptionBinding;

class OtherFunctionsPage : public QWidget, public DocumentView {
    Q_OBJECT

public:
    explicit OtherFunctionsPage(Document& document, QWidget* parent = nullptr);

    void applyLanguage(const model::LanguagePack& pack) override;
    void showDocument() override;

signals:
    // The operator chose a band: the window caption shows the band 1 receive range.
    void bandCaptionRequested();

private:
    QWidget* buildBandGroup();
    QWidget* buildPasswordRow();
    void showBandList(model::BandListId id);
    void onBandChosen(model::BandListId id, int index);
    void followChangePassword();

    Document& document_;
    OptionBinding* binding_;
    CaptionTable captions_;
    std::array<QComboBox*, model::kBandListIds.size()> bandBoxes_{};
    FilteredLineEdit* password_ = nullptr;
};

}  // namespace hm3300::app
