#pragma once
// The main window: menus, tool bar, the six pages, the status bar, and the two dialogs of
// the shell. It owns the document for the life of the program, restores the workstation
// choices from myini.ini while it is created and writes them back when it closes.

#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

#include "app/app_settings.h"
#include "app/document.h"
#include "app/main_menu.h"
#include "file/codeplug_file.h"
#include "model/language_pack.h"

class QLabel;
class QTabWidget;

namespace hm3300::app {

class DocumentView;
class DtmfPage;
class FunctionOptionsPage;
class OtherFunctionsPage;
class AboutDialog;
class ConfirmDialog;
class ProgrammingDialog;

// Page indexes of the main window; the Edit menu shows them in this order.
enum PageIndex {
    kChannelEditPage,
    kFunctionPage,
    kDtmfPage,
    kChannelPage,
    kSideKeyPage,
    kOtherPage
};

struct StartOptions {
    // The executable's folder: the language packs and the help are found from it, and
    // myini.ini and UNWISE.INI are kept in it when it can take them (places/program_files.h).
    QString appFolder;
    // When set, the port number chosen at start opens this device for this session only.
    QString portPath;
};

// Asks for a codeplug file name; returns an empty string when cancelled.
using FileNameDialog = std::function<QString(QWidget* parent)>;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(StartOptions options, QWidget* parent = nullptr);

    Document& document() { return document_; }
    const MainMenu& menu() const { return menu_; }
    QTabWidget* pages() const { return pages_; }
    FunctionOptionsPage* functionOptionsPage() const { return functionOptionsPage_; }
    DtmfPage* dtmfPage() const { return dtmfPage_; }
    OtherFunctionsPage* otherFunctionsPage() const { return otherFunctionsPage_; }
    ConfirmDialog& message() const { return *message_; }
    AboutDialog& about() const { return *about_; }
    ProgrammingDialog& programmingDialog() const { return *programmingDialog_; }

    // The chosen port (1 ... 4) and the device it opens.
    int portNumber() const { return settings_.com; }
    QString portPath() const { return portPaths_[static_cast<std::size_t>(settings_.com - 1)]; }
    // 12 single-head, 13 dual-head.
    int commMode() const { return settings_.commMode; }
    // Options → Fast link: each wait of a run ends once the radio's reply is in.
    bool fastLink() const { return settings_.fastLink; }
    int skin() const { return settings_.skin; }
    // The status bar panel: five blanks and the maker's banner.
    QString bannerText() const;

    // The folder of myini.ini and UNWISE.INI.
    const QString& settingsFolder() const { return settingsFolder_; }

    // The actions of the Options items, as the operator would choose them.
    void applyPortChoice(int port);
    // "Choose device…": the device the chosen port opens, kept in myini.ini.
    void chooseDevice();
    void applyCommMode(int mode);
    void applySkin(int skin);
    // Loads the pack "<name>.lng" beside the program or from its data folder and relabels
    // every window; a missing or unreadable pack changes nothing. Returns whether the pack was
    // applied.
    bool loadLanguagePack(const QString& name);

    // Replaces the Open and Save file dialogs (for tests).
    void setFileDialogs(FileNameDialog openDialog, FileNameDialog saveDialog);

    // The Read and Write commands (menu items and tool buttons).
    void readFromRadio();
    void writeToRadio();

    void newFile();
    void openFile();
    void saveFile();
    // Open after its dialog: reads `path` into the document and shows it, with what the
    // reader passed over in the status bar, or changes nothing and returns why.
    std::optional<file::ReadError> openCodeplugFile(const QString& path);
    // The file named on the command line, opened once the window is shown. Unlike Open, it
    // warns about a file of another kind too: the operator asked for this very file.
    void openFileAtStart(const QString& path);
    void showHelp();
    // Help → "Backups folder": the folder of the backups, in the desktop's file manager.
    void showBackupsFolder();
    void showAbout();
    // The caption that follows the band choice (editor/band_caption.h).
    void showBandCaption();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Provided by the channel editor and the radio link (main_window_radio.cpp).
    QWidget* createChannelEditPage();    // page 0, "信道编辑"
    QWidget* createSingleChannelPage();  // page 3, "信道"
    // Runs between the about box and the confirmation dialog, so ProgrammingDialog is created
    // in the order the windows are created at start.
    void createProgrammingDialog();
    // Open and Save start here: page 0 is shown and a pending frequency edit is committed.
    void commitChannelEdit();
    // New hides the grid's tone drop-down before it asks.
    void hideToneDropDown();

    void createPages();
    void connectMenu();
    void restoreSettings();
    void storeSettings();
    // Names each port item's device in its status tip.
    void showPortDevices();
    // After every successful read: a copy in the backups folder, named in the status bar.
    void keepReadBackup();
    void prepareFirstShow();
    // A Language item: checks it and loads its pack; returns whether the pack was applied.
    bool chooseLanguage(model::Language language);
    void applyLanguage(model::Language language, const model::LanguagePack& pack);
    std::vector<DocumentView*> views() const;
    void setBanner(const QString& text);
    void showReadNotices(const std::vector<file::ReadNotice>& notices);
    // A warning box with the caption WarnTitle: a file or the help could not be used.
    void showWarning(const QString& message);

    StartOptions options_;
    QString settingsFolder_;
    Document document_;
    AppSettings settings_;
    // The devices behind the port numbers in this session (settings_ holds the stored ones).
    std::array<QString, kPortCount> portPaths_;
    bool shown_ = false;

    MainMenu menu_;
    QTabWidget* pages_ = nullptr;
    QLabel* banner_ = nullptr;
    FunctionOptionsPage* functionOptionsPage_ = nullptr;
    DtmfPage* dtmfPage_ = nullptr;
    OtherFunctionsPage* otherFunctionsPage_ = nullptr;
    AboutDialog* about_ = nullptr;
    ProgrammingDialog* programmingDialog_ = nullptr;
    ConfirmDialog* message_ = nullptr;
    FileNameDialog openDialog_;
    FileNameDialog saveDialog_;
};

}  // namespace hm3300::app
