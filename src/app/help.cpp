#include "app/help.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "places/program_files.h"

namespace hm3300::app {

QString userGuidePath(const QString& programFolder, model::Language language) {
    const QString english = QStringLiteral("user-guide.html");
    const QString chinese = QStringLiteral("user-guide.zh.html");
    const bool chineseFirst = language != model::Language::English;
    for (const QString& name :
         chineseFirst ? QStringList{chinese, english} : QStringList{english}) {
        if (QString path = places::findDataFile(programFolder, name); !path.isEmpty()) {
            return path;
        }
    }
    return {};
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
      browser_(new QTextBrowser) {
    setObjectName(QStringLiteral("HelpWindow"));
    browser_->setObjectName(QStringLiteral("guide"));
    // Links to the web leave the program; links inside the guide stay in this window.
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

void HelpWindow::showGuide(const QString& path, const QString& caption) {
    setWindowTitle(caption);
    browser_->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

}  // namespace hm3300::app
