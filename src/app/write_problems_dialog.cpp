#include "app/write_problems_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/pack_text.h"
#include "model/text_ids.h"

namespace hm3300::app {

WriteProblemsDialog::WriteProblemsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      headline_(new QLabel),
      list_(new QListWidget) {
    setObjectName(QStringLiteral("WriteProblemsDialog"));
    headline_->setWordWrap(true);
    list_->setObjectName(QStringLiteral("problems"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(560, 320);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const codec::WriteProblem problem = problems_[static_cast<std::size_t>(list_->row(item))];
        accept();
        if (showProblem_) {
            showProblem_(problem);
        }
    });
}

void WriteProblemsDialog::showProblems(std::vector<codec::WriteProblem> problems,
                                       const model::LanguagePack& pack,
                                       const FieldCaption& fieldCaption, ShowProblem showProblem) {
    setWindowTitle(warningCaption(pack));
    headline_->setText(packText(pack, model::TextId::CannotBeWritten) + QLatin1Char('\n') +
                       packText(pack, model::TextId::ProblemsHint));
    list_->clear();
    for (const codec::WriteProblem& problem : problems) {
        list_->addItem(messageText(problem.text(fieldCaption(problem).toStdString()), pack));
    }
    problems_ = std::move(problems);
    showProblem_ = std::move(showProblem);
    exec();
}

}  // namespace hm3300::app
