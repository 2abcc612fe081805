#pragma once
// The user guide, shown in a window of the program: no outside viewer is needed. The guide
// is in English (user-guide.html) and in Chinese (user-guide.zh.html), which the
// traditional-Chinese interface shows too; beside the program or in its data folder.

#include <QDialog>
#include <QString>

#include "model/language_pack.h"

class QTextBrowser;

namespace hm3300::app {

// The guide in `language` for the program in `programFolder`, the English one when that is
// missing, or empty when there is none.
QString userGuidePath(const QString& programFolder, model::Language language);

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide at `path` under `caption`.
    void showGuide(const QString& path, const QString& caption);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace hm3300::app
