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
#include "app/file_name_dialog.h"
#include "app/main_menu.h"
#include "app/qt_translations.h"
#include "codec/write_check.h"
#include "editor/confirm_actions.h"
#include "file/codeplug_file.h"
#include "link/programming_run.h"
#include "model/language_pack.h"

class QLabel;
class QTabWidget;

namespace hm3300::app {

class ChannelEditPage;
class ChannelEditing;
class RowCommands;
class ChannelPage;
class DocumentView;
class DtmfPage;
class FunctionOptionsPage;
class OtherFunctionsPage;
class AboutDialog;
class HelpWindow;
class WriteProblemsDialog;
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
    // When set, this codeplug file is opened once the window is first shown.
    QString codeplugFile;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(StartOptions options, QWidget* parent = nullptr);

    Document& document() { return document_; }
    const MainMenu& menu() const { return menu_; }
    QTabWidget* pages() const { return pages_; }
    ChannelEditPage* channelEditPage() const { return channelEditPage_; }
    ChannelPage* channelPage() const { return channelPage_; }
    FunctionOptionsPage* functionOptionsPage() const { return functionOptionsPage_; }
    DtmfPage* dtmfPage() const { return dtmfPage_; }
    OtherFunctionsPage* otherFunctionsPage() const { return otherFunctionsPage_; }
    ConfirmDialog& message() const { return *message_; }
    AboutDialog& about() const { return *about_; }
    // The user guide's window, once Help has shown it.
    HelpWindow* helpWindow() const { return help_; }
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

    // Replace the system's Open and Save file dialogs (for tests); an empty function keeps
    // the dialog it would replace.
    void setFileDialogs(FileNameDialog openDialog, FileNameDialog saveDialog);
    // Likewise the Import CSV and Export CSV file dialogs.
    void setCsvFileDialogs(FileNameDialog importDialog, FileNameDialog exportDialog);

    // The Read and Write commands (menu items and tool buttons).
    void readFromRadio();
    void writeToRadio();
    // A write the write check refused: every problem, by channel and field; double-clicking
    // one shows its channel or option.
    void showWriteProblems(std::vector<codec::WriteProblem> problems);
    // The field of `problem` as the operator sees it named: a grid header, a label of the
    // channel page, or the caption of an option's control.
    QString fieldCaption(const codec::WriteProblem& problem) const;
    // The status bar after a run that ended well.
    void showRunSummary(link::RunMode mode, int seconds);
    WriteProblemsDialog* writeProblemsDialog() const { return writeProblems_; }

    // New, Open and Read (and closing the window) ask first when the codeplug has changes
    // that are not saved: Save, Discard or Cancel.
    void newFile();
    void openFile();
    // Asks for the file name, proposing the current file's, adds ".p46" to a name without
    // an extension and asks before replacing a file. Returns whether the codeplug was saved.
    bool saveFile();
    // File → Import CSV: the rows of a CSV channel list set channels in one step; the rows
    // skipped or changed are listed in one warning (main_window_csv_commands.cpp).
    void importCsv();
    // File → Export CSV: the channels saved as a CSV channel list.
    void exportCsv();
    // Open after its dialog: reads `path` into the document and shows it, with what the
    // reader passed over in the status bar, or changes nothing and returns why. The file
    // becomes the current file and the codeplug counts as saved.
    std::optional<file::ReadError> openCodeplugFile(const QString& path);
    // Shows why `path` could not be opened.
    void reportOpenError(const QString& path, const file::ReadError& error);
    // The file the codeplug was last opened from or saved to; empty after New and a read.
    QString currentFile() const { return currentFile_; }

    // Edit → Undo and Redo: a channel edit being typed is finished first.
    void undo();
    void redo();
    RowCommands& rowCommands() const { return *rowCommands_; }
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
    void showProblemPlace(const codec::WriteProblem& problem);
    // Provided by the channel editor and the radio link (main_window_radio.cpp).
    QWidget* createChannelEditPage();    // page 0, "信道编辑"
    QWidget* createSingleChannelPage();  // page 3, "信道"
    // Runs between the about box and the confirmation dialog, so ProgrammingDialog is created
    // in the order the windows are created at start.
    void createProgrammingDialog();
    // Read, Write, Open and Save start here: page 0 is shown, a pending channel edit
    // (editor::editPending) is committed and the grid's editors close. False, reported, when the
    // edit cannot be finished: the command then stops.
    bool commitChannelEdit();
    // New hides the grid's tone drop-down before it asks.
    void hideToneDropDown();
    // Before Quit, New, Open and Read: with changes that are not saved, asks whether to save
    // them first. Returns whether the command may go on: after a save that was done, after
    // Discard, or when there was nothing to ask.
    bool askToSaveChanges();
    // The codeplug was made anew or read from the radio: it is no file's.
    void forgetCurrentFile();
    // The caption; "*" marks changes that are not saved.
    void setCaption(const QString& caption);
    void followHistory();
    // Before Undo and Redo: an edit being typed becomes part of the history first, and the
    // editors laid over cells that may change close.
    void finishTypingForHistory();
    void connectRowCommands();
    // The channel editor's part of the confirmation dialog's OK (main_window_radio.cpp).
    void followConfirmation(editor::ConfirmOutcome outcome);
    void connectChannelEditing();

    void createPages();
    void connectMenu();
    // The system's file dialogs for the File menu's commands.
    void createFileDialogs();
    void createCsvFileDialogs();
    void restoreSettings();
    void storeSettings();
    // Names each port item's device in its status tip.
    void showPortDevices();
    // After every successful read: a copy in the backups folder; returns what the status bar
    // says of it.
    QString keepReadBackup();
    void prepareFirstShow();
    // A Language item: checks it and loads its pack; returns whether the pack was applied.
    bool chooseLanguage(model::Language language);
    void applyLanguage(model::Language language, const model::LanguagePack& pack);
    std::vector<DocumentView*> views() const;
    void setBanner(const QString& text);
    void showReadNotices(const std::vector<file::ReadNotice>& notices);
    void openStartFile();
    // A warning box with the caption WarnTitle: a file or the help could not be used.
    void showWarning(const model::Message& message);
    void showWarning(const QString& text);  // a text in the current language already

    StartOptions options_;
    QString settingsFolder_;
    QtTranslations qtTranslations_;
    Document document_;
    ChannelEditing* editing_;
    RowCommands* rowCommands_ = nullptr;
    AppSettings settings_;
    QString currentFile_;
    // The devices behind the port numbers in this session (settings_ holds the stored ones).
    std::array<QString, kPortCount> portPaths_;
    bool shown_ = false;

    MainMenu menu_;
    QTabWidget* pages_ = nullptr;
    QLabel* banner_ = nullptr;
    ChannelEditPage* channelEditPage_ = nullptr;
    ChannelPage* channelPage_ = nullptr;
    FunctionOptionsPage* functionOptionsPage_ = nullptr;
    DtmfPage* dtmfPage_ = nullptr;
    OtherFunctionsPage* otherFunctionsPage_ = nullptr;
    AboutDialog* about_ = nullptr;
    HelpWindow* help_ = nullptr;                    // made when first asked for
    WriteProblemsDialog* writeProblems_ = nullptr;  // likewise
    ProgrammingDialog* programmingDialog_ = nullptr;
    ConfirmDialog* message_ = nullptr;
    FileNameDialog openDialog_;
    FileNameDialog saveDialog_;
    FileNameDialog importCsvDialog_;
    FileNameDialog exportCsvDialog_;
};

}  // namespace hm3300::app
