#pragma once
// The answer of the write check when a codeplug cannot be written to the radio: its own
// headline, then every problem by channel and field in the current language. Double-clicking
// a problem closes the dialog and shows that channel or option.

#include <QDialog>
#include <functional>
#include <vector>

#include "codec/write_check.h"

class QLabel;
class QListWidget;

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class WriteProblemsDialog : public QDialog {
    Q_OBJECT

public:
    using FieldCaption = std::function<QString(const codec::WriteProblem&)>;
    using ShowProblem = std::function<void(const codec::WriteProblem&)>;

    explicit WriteProblemsDialog(QWidget* parent = nullptr);

    // Lists `problems` in the language of `pack`, each field named by `fieldCaption`, and
    // shows the dialog modally; `showProblem` gets the problem double-clicked.
    void showProblems(std::vector<codec::WriteProblem> problems, const model::LanguagePack& pack,
                      const FieldCaption& fieldCaption, ShowProblem showProblem);

    QLabel* headline() const { return headline_; }
    QListWidget* list() const { return list_; }

private:
    QLabel* headline_;
    QListWidget* list_;
    std::vector<codec::WriteProblem> problems_;
    ShowProblem showProblem_;
};

}  // namespace hm3300::app
