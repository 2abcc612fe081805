#include "app/tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>
#include <iostream>

#include "app/dtmf_page.h"
#include "app/function_options_page.h"
#include "app/help.h"
#include "app/other_functions_page.h"
#include "app/pack_text.h"
#include "app/side_key_page.h"
#include "app/skins.h"
#include "app/tabout_form.h"
#include "app/tmessage1.h"
#include "editor/band_caption.h"
#include "editor/single_head.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

// The installer's log says which language the operator installed.
model::Language startLanguage(const QString& folder) {
    const QSettings log(QDir(folder).filePath(QStringLiteral("UNWISE.INI")), QSettings::IniFormat);
    const QString msg1 = log.value(QStringLiteral("Language/msg1"), QStringLiteral("a")).toString();
    return msg1 == QStringLiteral("Installation Logs") ? model::Language::English
                                                       : model::Language::Chinese;
}

}  // namespace

Tform1::Tform1(StartOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), menu_(*this) {
    setObjectName(QStringLiteral("Tform1"));
    setWindowTitle(QStringLiteral("KW3300"));
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

    LoadSettings();

    about_ = new TaboutForm(this);
    createProgrammingDialog();
    message_ = new Tmessage1(document_, this);
}

void Tform1::createPages() {
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
            &Tform1::showBandCaption);
    connect(otherFunctionsPage_, &OtherFunctionsPage::bandCaptionRequested, this,
            &Tform1::showBandCaption);
    connect(&document_, &Document::replaced, this, [this] {
        for (DocumentView* view : views()) {
            view->showDocument();
        }
    });
}

void Tform1::connectMenu() {
    connect(menu_.fileNew, &QAction::triggered, this, &Tform1::FileNewClick);
    connect(menu_.fileOpen, &QAction::triggered, this, &Tform1::FileOpenClick);
    connect(menu_.fileSave, &QAction::triggered, this, &Tform1::FileSaveClick);
    connect(menu_.fileExit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.read, &QAction::triggered, this, &Tform1::gs1Click);
    connect(menu_.write, &QAction::triggered, this, &Tform1::N2Click);
    for (int page = 0; page < static_cast<int>(menu_.pageItems.size()); ++page) {
        connect(menu_.pageItems[static_cast<std::size_t>(page)], &QAction::triggered, this,
                [this, page] { pages_->setCurrentIndex(page); });
    }
    for (int port = 1; port <= kPortCount; ++port) {
        connect(menu_.ports[static_cast<std::size_t>(port - 1)], &QAction::triggered, this,
                [this, port] { ApplyPortChoice(port); });
    }
    connect(menu_.singleHead, &QAction::triggered, this, [this] { ApplyCommMode(kSingleHead); });
    connect(menu_.dualHead, &QAction::triggered, this, [this] { ApplyCommMode(kDualHead); });
    for (const model::Language language :
         {model::Language::Chinese, model::Language::English, model::Language::Taiwan}) {
        connect(menu_.languages[static_cast<std::size_t>(language)], &QAction::triggered, this,
                [this, language] { chooseLanguage(language); });
    }
    for (int skin = 1; skin <= kSkinCount; ++skin) {
        connect(menu_.skins[static_cast<std::size_t>(skin - 1)], &QAction::triggered, this,
                [this, skin] { ApplySkin(skin); });
    }
    connect(menu_.help, &QAction::triggered, this, &Tform1::HelpClick);
    connect(menu_.about, &QAction::triggered, this, &Tform1::AboutClick);
    connect(menu_.newButton, &QAction::triggered, this, &Tform1::FileNewClick);
    connect(menu_.openButton, &QAction::triggered, this, &Tform1::FileOpenClick);
    connect(menu_.saveButton, &QAction::triggered, this, &Tform1::FileSaveClick);
    connect(menu_.readButton, &QAction::triggered, this, &Tform1::gs1Click);
    connect(menu_.writeButton, &QAction::triggered, this, &Tform1::N2Click);
}

// The stored choices are applied by the same actions the operator's menu choices run, before
// any language pack is loaded.
void Tform1::LoadSettings() {
    settings_ = readAppSettings(options_.appFolder);
    portPaths_ = settings_.portPaths;
    if (!options_.portPath.isEmpty()) {
        portPaths_[static_cast<std::size_t>(settings_.com - 1)] = options_.portPath;
    }
    for (int port = 1; port <= kPortCount; ++port) {
        menu_.ports[static_cast<std::size_t>(port - 1)]->setStatusTip(
            portPaths_[static_cast<std::size_t>(port - 1)]);
    }
    ApplyPortChoice(settings_.com);
    ApplyCommMode(settings_.commMode);
    ApplySkin(settings_.skin);
    // Not an operator's choice: the caption stays as it is.
    document_.codeplug().bands = settings_.bands;
    otherFunctionsPage_->showDocument();
}

void Tform1::SaveSettings() {
    settings_.bands = document_.codeplug().bands;
    const QString error = writeAppSettings(options_.appFolder, settings_);
    if (!error.isEmpty()) {
        // Closing goes on: the choices of this session are lost, nothing else.
        std::cerr << "hm3300d: " << error.toStdString() << '\n';
    }
}

void Tform1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

// The call list and PTT ID codes start at their model defaults already.
void Tform1::FormShow() {
    if (!chooseLanguage(startLanguage(options_.appFolder))) {
        // Without a pack the value words would stay empty: the built-in texts stand in.
        applyLanguage(model::Language::Chinese, model::LanguagePack::builtin());
    }
    pages_->setCurrentIndex(kChannelEditPage);
    dtmfPage_->showSystemPage();
}

void Tform1::closeEvent(QCloseEvent* event) {
    // The codeplug is neither saved nor asked about.
    SaveSettings();
    event->accept();
}

QString Tform1::bannerText() const {
    return banner_->text();
}

void Tform1::setBanner(const QString& text) {
    banner_->setText(QStringLiteral("     ") + text);
}

void Tform1::ApplyPortChoice(int port) {
    if (port < 1 || port > kPortCount) {
        return;
    }
    menu_.ports[static_cast<std::size_t>(port - 1)]->setChecked(true);
    settings_.com = port;
}

void Tform1::ApplyCommMode(int mode) {
    const bool singleHead = mode == kSingleHead;
    (singleHead ? menu_.singleHead : menu_.dualHead)->setChecked(true);
    settings_.commMode = singleHead ? kSingleHead : kDualHead;
    functionOptionsPage_->setSingleHead(singleHead);
    if (singleHead && editor::ForceVoxOff(document_.codeplug().channels, document_.texts())) {
        document_.notifyChannelsChanged();
    }
}

void Tform1::ApplySkin(int skin) {
    if (skin < 1 || skin > kSkinCount) {
        return;
    }
    menu_.skins[static_cast<std::size_t>(skin - 1)]->setChecked(true);
    settings_.skin = skin;
    qApp->setStyleSheet(skinStyleSheet(skin));
}

void Tform1::showBandCaption() {
    setWindowTitle(QString::fromStdString(editor::bandCaption(document_.codeplug().bands)));
}

void Tform1::HelpClick() {
    const QString path = helpDocumentPath(options_.appFolder);
    if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        showWarning(QStringLiteral("The help could not be opened: neither HM3300D.chm nor "
                                   "user-guide.html is in %1, or no program opens it.")
                        .arg(QDir::toNativeSeparators(options_.appFolder)));
    }
}

void Tform1::AboutClick() {
    about_->exec();
}

}  // namespace hm3300::app
