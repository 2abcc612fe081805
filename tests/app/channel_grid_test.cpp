// The channel grid page: its layout, look and language.

#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/channel_edit_page.h"
#include "app/channel_grid.h"
#include "app/channel_grid_model.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

QTableView* channelGrid(const MainWindow& window) {
    return window.channelEditPage()->grid();
}

QVariant cell(const QTableView& grid, int row, int column, int role = Qt::DisplayRole) {
    return grid.model()->index(row, column).data(role);
}

QStringList headers(const QTableView& grid) {
    QStringList texts;
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
        texts.append(grid.model()->headerData(column, Qt::Horizontal).toString());
    }
    return texts;
}

QStringList commandButtonTexts(const MainWindow& window) {
    QStringList texts;
    for (const char* name : {"autoAddButton", "clearChannelsButton", "moveUpButton",
                             "moveDownButton", "deleteChannelButton"}) {
        const auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        texts.append(button != nullptr ? button->text() : QStringLiteral("missing"));
    }
    return texts;
}

void addChannel(Document& document, int number, const char* frequency) {
    model::Channel& channel = document.codeplug().channels.row(number);
    channel[model::ChannelField::RxFreq] = frequency;
    channel.fillNewChannelDefaults(document.texts());
    channel[model::ChannelField::TxFreq] = frequency;
    document.notifyChannelsChanged();
}

}  // namespace

class ChannelGridTest : public QObject {
    Q_OBJECT

private slots:
    void layoutAndLook() {
        const AppFolder folder;
        auto window = folder.start();
        QTableView* grid = channelGrid(*window);
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->model()->rowCount(), 128);
        QCOMPARE(grid->model()->columnCount(), 12);
        // Never narrower than the form's widths, and wide enough for the header in every
        // language ("Bandwidth" was clipped to "3andwidth").
        const int widths[] = {30, 72, 73, 72, 73, 60, 60, 60, 60, 60, 60, 60};
        for (QAction* language : window->menu().languages) {
            language->trigger();
            const QFontMetrics metrics = grid->horizontalHeader()->fontMetrics();
            for (int column = 0; column < 12; ++column) {
                const QString header = grid->model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(grid->columnWidth(column) >= widths[column], qPrintable(header));
                QVERIFY2(grid->columnWidth(column) > metrics.horizontalAdvance(header),
                         qPrintable(header));
            }
        }
        window->menu().languages[0]->trigger();
        QCOMPARE(grid->columnWidth(1), 72);
        QCOMPARE(grid->horizontalHeader()->height(), 20);
        for (const int row : {0, 64, 127}) {
            QCOMPARE(grid->rowHeight(row), 20);
        }
        QVERIFY(grid->verticalHeader()->isHidden());

        QCOMPARE(cell(*grid, 0, 0).toString(), QStringLiteral("001"));
        QCOMPARE(cell(*grid, 127, 0).toString(), QStringLiteral("128"));
        QCOMPARE(cell(*grid, 0, 11).toString(), QStringLiteral(">>"));
        QCOMPARE(cell(*grid, 127, 11).toString(), QStringLiteral(">>"));
        QCOMPARE(cell(*grid, 5, 1).toString(), QString());
        QCOMPARE(cell(*grid, 5, 3, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));

        // Channels 1, 4, ..., 127 tinted; the label column silver on every row.
        const QColor tint(241, 235, 241);
        const QColor silver(192, 192, 192);
        for (const auto& [row, tinted] :
             {std::pair{0, true}, {1, false}, {2, false}, {3, true}, {126, true}, {127, false}}) {
            QCOMPARE(cell(*grid, row, 4, Qt::BackgroundRole).isValid(), tinted);
            if (tinted) {
                QCOMPARE(cell(*grid, row, 4, Qt::BackgroundRole).value<QColor>(), tint);
            }
            QCOMPARE(cell(*grid, row, 0, Qt::BackgroundRole).value<QColor>(), silver);
        }

        const auto power = cell(*grid, 9, 5, Qt::FontRole).value<QFont>();
        QCOMPARE(power.family(), QStringLiteral("Arial"));
        QCOMPARE(power.pixelSize(), 12);
        const auto more = cell(*grid, 9, 11, Qt::FontRole).value<QFont>();
        QCOMPARE(more.family(), QStringLiteral("Arial"));
        QCOMPARE(more.pixelSize(), 11);
        QCOMPARE(cell(*grid, 9, 11, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));

        // The operator selects no cell (only whole rows, by their labels) and edits none in
        // place, so no current cell is marked.
        QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);
        const Qt::ItemFlags flags = grid->model()->flags(grid->model()->index(0, 1));
        QVERIFY(!(flags & Qt::ItemIsEditable));

        // The command buttons keep their size in every skin.
        for (QAction* skin : window->menu().skins) {
            skin->trigger();
            QCoreApplication::processEvents();
            for (const char* name : {"autoAddButton", "clearChannelsButton", "moveUpButton",
                                     "moveDownButton", "deleteChannelButton"}) {
                const auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
                QVERIFY(button != nullptr);
                QCOMPARE(button->size(), QSize(75, 25));
            }
        }
    }

    void followsChannelsAndLanguage() {
        const AppFolder folder;
        auto window = folder.start();
        QTableView* grid = channelGrid(*window);
        QCOMPARE(headers(*grid), (QStringList{"信道", "接收频率", "QT/DQT解码", "发射频率",
                                              "QT/DQT编码", "发射功率", "宽/窄带", "扫描添加",
                                              "DTMF", "PTT ID", "信道别名", "更多..."}));
        QCOMPARE(commandButtonTexts(*window),
                 (QStringList{"自动添加", "清除信道", "信道上移", "信道下移", "删除信道"}));

        addChannel(window->document(), 4, "435.12500");
        QCOMPARE(cell(*grid, 3, 1).toString(), QStringLiteral("435.12500"));
        QCOMPARE(cell(*grid, 3, 5).toString(), QStringLiteral("高功率"));

        window->menu().languages[1]->trigger();
        QCOMPARE(headers(*grid),
                 (QStringList{"CH", "RX freq", "RX CTC/DCS", "TX freq", "TX CTC/DCS", "TX power",
                              "Bandwidth", "Scan add", "DTMF", "PTT ID", "Name", "More..."}));
        QCOMPARE(commandButtonTexts(*window),
                 (QStringList{"Auto add", "Clear all", "Move up", "Move down", "Delete"}));
        QCOMPARE(cell(*grid, 3, 2).toString(), QStringLiteral("OFF"));
        QCOMPARE(cell(*grid, 3, 5).toString(), QStringLiteral("High"));
        QCOMPARE(cell(*grid, 3, 6).toString(), QStringLiteral("Wide"));
    }
};

int runChannelGridTests(int argc, char** argv) {
    ChannelGridTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "channel_grid_test.moc"
