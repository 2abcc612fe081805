#include "app/main_menu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "app/pack_text.h"
#include "model/language_pack.h"
#include "model/text_ids.h"

namespace hm3300::app {

namespace {

QAction* addCheckable(QMenu* menu, QActionGroup* group, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

// Items added after the form's own carry the built-in pack's text until a pack is loaded.
QString builtinText(int textId) {
    return packText(model::LanguagePack::builtin(), textId);
}

QActionGroup* exclusiveGroup(QObject* owner) {
    auto* group = new QActionGroup(owner);
    group->setExclusive(true);
    return group;
}

}  // namespace

MainMenu::MainMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();

    fileMenu = bar->addMenu(QStringLiteral("文件(&F)"));
    fileNew = fileMenu->addAction(QStringLiteral("新建(&N)"));
    fileNew->setShortcut(QKeySequence::New);
    fileOpen = fileMenu->addAction(QStringLiteral("打开(&O)"));
    fileOpen->setShortcut(QKeySequence::Open);
    fileSave = fileMenu->addAction(QStringLiteral("保存(&S)"));
    fileSave->setShortcut(QKeySequence::Save);
    fileMenu->addSeparator();
    fileImportCsv = fileMenu->addAction(QStringLiteral("导入CSV(&I)..."));
    fileExportCsv = fileMenu->addAction(QStringLiteral("导出CSV(&T)..."));
    fileMenu->addSeparator();
    fileExit = fileMenu->addAction(QStringLiteral("退出(&E)"));

    editMenu = bar->addMenu(QStringLiteral("编辑(&P)"));
    const auto addEditItem = [this](int textId, QKeySequence::StandardKey key) {
        QAction* action = editMenu->addAction(builtinText(textId));
        action->setShortcut(key);
        return action;
    };
    undo = addEditItem(model::TextId::Undo, QKeySequence::Undo);
    redo = addEditItem(model::TextId::Redo, QKeySequence::UnknownKey);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    editMenu->addSeparator();
    cutRows = addEditItem(model::TextId::CutRows, QKeySequence::Cut);
    copyRows = addEditItem(model::TextId::CopyRows, QKeySequence::Copy);
    pasteRows = addEditItem(model::TextId::PasteRows, QKeySequence::Paste);
    insertRow = addEditItem(model::TextId::InsertRow, QKeySequence::UnknownKey);
    deleteRows = addEditItem(model::TextId::DeleteRows, QKeySequence::UnknownKey);
    for (QAction* rowCommand : {cutRows, copyRows, pasteRows, insertRow, deleteRows}) {
        rowCommand->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    editMenu->addSeparator();
    read = editMenu->addAction(QStringLiteral("频率读出(&R)"));
    write = editMenu->addAction(QStringLiteral("频率写入(&W)"));
    editMenu->addSeparator();
    pageItems[0] = editMenu->addAction(QStringLiteral("信道编辑(&E)"));
    pageItems[1] = editMenu->addAction(QStringLiteral("功能选项(&Y)"));
    pageItems[2] = editMenu->addAction(QStringLiteral("DTMF"));
    editMenu->addSeparator();
    pageItems[3] = editMenu->addAction(QStringLiteral("信道"));
    pageItems[4] = editMenu->addAction(QStringLiteral("侧键设定"));
    editMenu->addSeparator();
    pageItems[5] = editMenu->addAction(QStringLiteral("其它功能(&T)"));

    optionsMenu = bar->addMenu(QStringLiteral("选项"));
    portMenu = optionsMenu->addMenu(QStringLiteral("通信端口(&C)"));
    QActionGroup* portGroup = exclusiveGroup(portMenu);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        ports[i] = addCheckable(portMenu, portGroup, QStringLiteral("COM(&%1)").arg(i + 1));
    }
    portMenu->addSeparator();
    chooseDevice = portMenu->addAction(QStringLiteral("选择设备(&D)…"));
    commModeMenu = optionsMenu->addMenu(QStringLiteral("通信方式"));
    QActionGroup* commModeGroup = exclusiveGroup(commModeMenu);
    singleHead = addCheckable(commModeMenu, commModeGroup, QStringLiteral("单头通信"));
    dualHead = addCheckable(commModeMenu, commModeGroup, QStringLiteral("双头通信"));
    languageMenu = optionsMenu->addMenu(QStringLiteral("Language"));
    QActionGroup* languageGroup = exclusiveGroup(languageMenu);
    languages[0] = addCheckable(languageMenu, languageGroup, QStringLiteral("中文"));
    languages[1] = addCheckable(languageMenu, languageGroup, QStringLiteral("English"));
    languages[2] = addCheckable(languageMenu, languageGroup, QStringLiteral("中文(繁體)"));
    skinMenu = optionsMenu->addMenu(QStringLiteral("皮肤(&S)"));
    QActionGroup* skinGroup = exclusiveGroup(skinMenu);
    skins[0] = addCheckable(skinMenu, skinGroup, QStringLiteral("蓝色一族"));
    skins[1] = addCheckable(skinMenu, skinGroup, QStringLiteral("钢板"));
    skins[2] = addCheckable(skinMenu, skinGroup, QStringLiteral("咖啡"));
    optionsMenu->addSeparator();
    fastLink = optionsMenu->addAction(QStringLiteral("快速连接"));
    fastLink->setCheckable(true);

    helpMenu = bar->addMenu(QStringLiteral("帮助(&H)"));
    help = helpMenu->addAction(QStringLiteral("帮助(&H)..."));
    backupsFolder = helpMenu->addAction(QStringLiteral("备份文件夹(&B)"));
    help->setShortcut(QKeySequence::HelpContents);
    about = helpMenu->addAction(QStringLiteral("关于(&A)..."));

    QToolBar* toolBar = window.addToolBar(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setVisible(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const QStyle* style = window.style();
    newButton = toolBar->addAction(style->standardIcon(QStyle::SP_FileIcon), {});
    openButton = toolBar->addAction(style->standardIcon(QStyle::SP_DialogOpenButton), {});
    saveButton = toolBar->addAction(style->standardIcon(QStyle::SP_DialogSaveButton), {});
    toolBar->addSeparator();
    readButton =
        toolBar->addAction(style->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("读频"));
    writeButton =
        toolBar->addAction(style->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("写频"));
    for (QAction* iconOnly : {newButton, openButton, saveButton}) {
        if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(iconOnly))) {
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
    }
    updateToolTips();
}

void MainMenu::applyLanguage(const model::LanguagePack& pack) {
    const auto text = [&pack](int id) { return packText(pack, id); };
    about->setText(text(1) + QStringLiteral("..."));
    fileMenu->setTitle(text(9));
    editMenu->setTitle(text(10));
    optionsMenu->setTitle(text(11));
    helpMenu->setTitle(text(12));
    help->setText(text(12));
    fileNew->setText(text(13));
    fileOpen->setText(text(14));
    fileSave->setText(text(15));
    fileExit->setText(text(16));
    read->setText(text(17));
    write->setText(text(18));
    pageItems[0]->setText(text(19));
    pageItems[1]->setText(text(20));
    pageItems[5]->setText(text(21));
    portMenu->setTitle(text(22));
    languageMenu->setTitle(text(23));
    skinMenu->setTitle(text(24));
    languages[0]->setText(text(56));
    languages[1]->setText(text(57));
    skins[0]->setText(text(93));
    skins[1]->setText(text(94));
    skins[2]->setText(text(95));
    readButton->setText(text(97));
    writeButton->setText(text(98));
    pageItems[3]->setText(text(99));
    pageItems[4]->setText(text(100));
    commModeMenu->setTitle(text(141));
    singleHead->setText(text(142));
    dualHead->setText(text(143));
    fastLink->setText(text(model::TextId::FastLink));
    fileImportCsv->setText(text(model::TextId::ImportCsv));
    fileExportCsv->setText(text(model::TextId::ExportCsv));
    chooseDevice->setText(text(model::TextId::ChooseDevice));
    backupsFolder->setText(text(model::TextId::BackupsFolder));
    undo->setText(text(model::TextId::Undo));
    redo->setText(text(model::TextId::Redo));
    cutRows->setText(text(model::TextId::CutRows));
    copyRows->setText(text(model::TextId::CopyRows));
    pasteRows->setText(text(model::TextId::PasteRows));
    insertRow->setText(text(model::TextId::InsertRow));
    deleteRows->setText(text(model::TextId::DeleteRows));
    updateToolTips();
}

void MainMenu::updateToolTips() {
    newButton->setToolTip(withoutAccelerator(fileNew->text()));
    openButton->setToolTip(withoutAccelerator(fileOpen->text()));
    saveButton->setToolTip(withoutAccelerator(fileSave->text()));
}

}  // namespace hm3300::app
