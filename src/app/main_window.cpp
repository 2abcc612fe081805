#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <iostream>

#include "app/about_dialog.h"
#include "app/channel_editing.h"
#include "app/channel_page.h"
#include "app/confirm_dialog.h"
#include "app/dtmf_page.h"
#include "app/function_options_page.h"
#include "app/help.h"
#include "app/other_functions_page.h"
#include "app/pack_text.h"
#include "app/programming_dialog.h"
#include "app/side_key_page.h"
#include "app/skins.h"
#include "editor/band_caption.h"
#include "model/text_ids.h"
#include "places/program_files.h"

namespace hm3300::app {

namespace {

// The language chosen last; before any was chosen, the installer's log, beside myini.ini,
// says which language the operator installed.
model::Language startLanguage(const QString& folder, const AppSettings& settings) {
    if (settings.language) {
        return *settings.language;
    }
    const QSettings log(QDir(folder).filePath(QStringLiteral("UNWISE.INI")), QSettings::IniFormat);
    const QString msg1 = log.value(QStringLiteral("Language/msg1"), QStringLiteral("a")).toString();
    return msg1 == QStringLiteral("Installation Logs") ? model::Language::English
                                                       : model::Language::Chinese;
}

}  // namespace

MainWindow::MainWindow(StartOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      settingsFolder_(places::settingsFolder(options_.appFolder)),
      editing_(new ChannelEditing(document_, this)),
      menu_(*this) {
    setObjectName(QStringLiteral("MainWindow"));
    setCaption(QStringLiteral("KW3300"));
    // A fixed size: there is nothing to maximise.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(798, 596);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    createPages();
    banner_ = new QLabel;
    setBanner(packText(model::LanguagePack::builtin(), model::TextId::BannerText));
    statusBar()->addWidget(banner_, 1);
    statusBar()->setSizeGripEnabled(false);
    connectMenu();
    createFileDialogs();

    restoreSettings();

    about_ = new AboutDialog(this);
    createProgrammingDialog();
    message_ = new ConfirmDialog(document_, this);
    connectChannelEditing();
    connectRowCommands();
    connect(&document_, &Document::historyChanged, this, &MainWindow::followHistory);
    connect(&document_, &Document::channelsChanged, this, &MainWindow::followHistory);
    followHistory();
}

void MainWindow::createPages() {
    pages_ = new QTabWidget;
    functionOptionsPage_ = new FunctionOptionsPage(document_);
    dtmfPage_ = new DtmfPage(document_);
    otherFunctionsPage_ = new OtherFunctionsPage(document_);
    pages_->addTab(createChannelEditPage(), QStringLiteral("信道编辑"));
    pages_->addTab(functionOptionsPage_, QStringLiteral("功能选项"));
    pages_->addTab(dtmfPage_, QStringLiteral("DTMF"));
    pages_->addTab(createSingleChannelPage(), QStringLiteral("信道"));
    pages_->addTab(new SideKeyPage(document_), QStringLiteral("侧键设定"));
    pages_->addTab(otherFunctionsPage_, QStringLiteral("其它功能"));
    setCentralWidget(pages_);

    connect(functionOptionsPage_, &FunctionOptionsPage::bandCaptionRequested, this,
            &MainWindow::showBandCaption);
    connect(otherFunctionsPage_, &OtherFunctionsPage::bandCaptionRequested, this,
            &MainWindow::showBandCaption);
    connect(&document_, &Document::replaced, this, [this] {
        for (DocumentView* view : views()) {
            view->showDocument();
        }
    });
}

void MainWindow::connectMenu() {
    connect(menu_.fileNew, &QAction::triggered, this, &MainWindow::newFile);
    connect(menu_.fileOpen, &QAction::triggered, this, &MainWindow::openFile);
    connect(menu_.fileSave, &QAction::triggered, this, &MainWindow::saveFile);
    connect(menu_.fileImportCsv, &QAction::triggered, this, &MainWindow::importCsv);
    connect(menu_.fileExportCsv, &QAction::triggered, this, &MainWindow::exportCsv);
    connect(menu_.fileExit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.undo, &QAction::triggered, this, &MainWindow::undo);
    connect(menu_.redo, &QAction::triggered, this, &MainWindow::redo);
    connect(menu_.read, &QAction::triggered, this, &MainWindow::readFromRadio);
    connect(menu_.write, &QAction::triggered, this, &MainWindow::writeToRadio);
    for (int page = 0; page < static_cast<int>(menu_.pageItems.size()); ++page) {
        connect(menu_.pageItems[static_cast<std::size_t>(page)], &QAction::triggered, this,
                [this, page] { pages_->setCurrentIndex(page); });
    }
    for (int port = 1; port <= kPortCount; ++port) {
        connect(menu_.ports[static_cast<std::size_t>(port - 1)], &QAction::triggered, this,
                [this, port] { applyPortChoice(port); });
    }
    connect(menu_.chooseDevice, &QAction::triggered, this, &MainWindow::chooseDevice);
    connect(menu_.singleHead, &QAction::triggered, this, [this] { applyCommMode(kSingleHead); });
    connect(menu_.dualHead, &QAction::triggered, this, [this] { applyCommMode(kDualHead); });
    connect(menu_.fastLink, &QAction::toggled, this, [this](bool on) { settings_.fastLink = on; });
    for (const model::Language language :
         {model::Language::Chinese, model::Language::English, model::Language::Taiwan}) {
        connect(menu_.languages[static_cast<std::size_t>(language)], &QAction::triggered, this,
                [this, language] {
                    settings_.language = language;
                    chooseLanguage(language);
                });
    }
    for (int skin = 1; skin <= kSkinCount; ++skin) {
        connect(menu_.skins[static_cast<std::size_t>(skin - 1)], &QAction::triggered, this,
                [this, skin] { applySkin(skin); });
    }
    connect(menu_.help, &QAction::triggered, this, &MainWindow::showHelp);
    connect(menu_.backupsFolder, &QAction::triggered, this, &MainWindow::showBackupsFolder);
    connect(menu_.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(menu_.newButton, &QAction::triggered, this, &MainWindow::newFile);
    connect(menu_.openButton, &QAction::triggered, this, &MainWindow::openFile);
    connect(menu_.saveButton, &QAction::triggered, this, &MainWindow::saveFile);
    connect(menu_.readButton, &QAction::triggered, this, &MainWindow::readFromRadio);
    connect(menu_.writeButton, &QAction::triggered, this, &MainWindow::writeToRadio);
}

// The stored choices are applied by the same actions the operator's menu choices run, before
// any language pack is loaded.
void MainWindow::restoreSettings() {
    settings_ = AppSettings::load(settingsFolder_);
    portPaths_ = settings_.portPaths;
    if (!options_.portPath.isEmpty()) {
        portPaths_[static_cast<std::size_t>(settings_.com - 1)] = options_.portPath;
    }
    showPortDevices();
    applyPortChoice(settings_.com);
    applyCommMode(settings_.commMode);
    applySkin(settings_.skin);
    menu_.fastLink->setChecked(settings_.fastLink);
    // Not an operator's choice: the caption stays as it is.
    document_.codeplug().bands = settings_.bands;
    otherFunctionsPage_->showDocument();
}

void MainWindow::storeSettings() {
    settings_.bands = document_.codeplug().bands;
    const QString error = settings_.save(settingsFolder_);
    if (!error.isEmpty()) {
        // Closing goes on: the choices of this session are lost, nothing else.
        std::cerr << "hm3300d: " << error.toStdString() << '\n';
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        prepareFirstShow();
    }
}

// The call list and PTT ID codes start at their model defaults already.
void MainWindow::prepareFirstShow() {
    if (!chooseLanguage(startLanguage(settingsFolder_, settings_))) {
        // Without a pack the value words would stay empty: the built-in texts stand in.
        applyLanguage(model::Language::Chinese, model::LanguagePack::builtin());
    }
    pages_->setCurrentIndex(kChannelEditPage);
    dtmfPage_->showSystemPage();
    if (!options_.codeplugFile.isEmpty()) {
        // Once the window is up, so that a warning has a window to stand on.
        QTimer::singleShot(0, this, &MainWindow::openStartFile);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    storeSettings();
    event->accept();
}

QString MainWindow::bannerText() const {
    return banner_->text();
}

void MainWindow::setBanner(const QString& text) {
    banner_->setText(QStringLiteral("     ") + text);
}

void MainWindow::applyPortChoice(int port) {
    if (port < 1 || port > kPortCount) {
        return;
    }
    menu_.ports[static_cast<std::size_t>(port - 1)]->setChecked(true);
    settings_.com = port;
}

void MainWindow::applyCommMode(int mode) {
    const bool singleHead = mode == kSingleHead;
    (singleHead ? menu_.singleHead : menu_.dualHead)->setChecked(true);
    settings_.commMode = singleHead ? kSingleHead : kDualHead;
    functionOptionsPage_->setSingleHead(singleHead);
    channelPage_->setSingleHead(singleHead);
    if (singleHead && document_.codeplug().channels.turnVoxOff(document_.texts())) {
        document_.notifyChannelsChanged();
        document_.finishStep();
    }
}

void MainWindow::applySkin(int skin) {
    if (skin < 1 || skin > kSkinCount) {
        return;
    }
    menu_.skins[static_cast<std::size_t>(skin - 1)]->setChecked(true);
    settings_.skin = skin;
    qApp->setStyleSheet(skinStyleSheet(skin));
}

void MainWindow::showBandCaption() {
    setCaption(QString::fromStdString(editor::bandCaption(document_.codeplug().bands)));
}

void MainWindow::setCaption(const QString& caption) {
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void MainWindow::followHistory() {
    setWindowModified(document_.isModified());
    menu_.undo->setEnabled(document_.canUndo());
    menu_.redo->setEnabled(document_.canRedo());
}

void MainWindow::showHelp() {
    const QString path = userGuidePath(options_.appFolder, document_.language());
    if (path.isEmpty()) {
        showWarning({model::TextId::GuideMissing,
                     {QDir::toNativeSeparators(options_.appFolder).toStdString()}});
        return;
    }
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    help_->showGuide(path, withoutAccelerator(menu_.help->text()));
}

void MainWindow::showAbout() {
    about_->exec();
}

}  // namespace hm3300::app
