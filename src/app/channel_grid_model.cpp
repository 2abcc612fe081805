#include "app/channel_grid_model.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <array>

#include "app/document.h"
#include "app/pack_text.h"
#include "editor/edit_state.h"
#include "model/channel_table.h"

namespace hm3300::app {

namespace {

struct GridColumn {
    int headerId;  // 0: a header no language pack changes
    const char* builtinHeader;
    int width;
};

constexpr std::array<GridColumn, ChannelGridModel::kColumnCount> kColumns{{
    {25, "信道", 30},
    {26, "接收频率", 72},
    {27, "QT/DQT解码", 73},
    {28, "发射频率", 72},
    {29, "QT/DQT编码", 73},
    {30, "发射功率", 60},
    {73, "宽/窄带", 60},
    {31, "扫描添加", 60},
    {0, "DTMF", 60},
    {0, "PTT ID", 60},
    {101, "信道别名", 60},
    {102, "更多...", 60},
}};

const GridColumn& gridColumn(int column) {
    return kColumns[static_cast<std::size_t>(column)];
}

const QColor kSilver(192, 192, 192);
const QColor kTintedRow(241, 235, 241);

QFont arial(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}

// Channels 1, 4, 7, ..., 127.
bool isTintedRow(int row) {
    return row % 3 == 0;
}

}  // namespace

ChannelGridModel::ChannelGridModel(Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
    for (const GridColumn& column : kColumns) {
        headers_.append(QString::fromUtf8(column.builtinHeader));
    }
}

int ChannelGridModel::columnWidth(int column) {
    return gridColumn(column).width;
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : model::ChannelTable::kRows;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ChannelGridModel::cellText(int row, int column) const {
    return QString::fromStdString(
        editor::gridCellText(document_.codeplug().channels, column, row + 1));
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return cellText(row, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::BackgroundRole:
            if (column == kLabelColumn) {
                return kSilver;
            }
            return isTintedRow(row) ? QVariant(kTintedRow) : QVariant();
        case Qt::FontRole:
            if (column == kPowerColumn) {
                return arial(12);
            }
            return column == kMoreColumn ? QVariant(arial(11)) : QVariant();
        case Qt::ForegroundRole:
            if (column == kPowerColumn) {
                return QApplication::palette().color(QPalette::ButtonText);
            }
            return column == kMoreColumn ? QVariant(QColor(Qt::red)) : QVariant();
        default:
            return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return headers_[section];
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    // Selectable for the row commands; only a label click selects (ChannelGrid).
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ChannelGridModel::applyLanguage(const model::LanguagePack& pack) {
    for (int column = 0; column < kColumnCount; ++column) {
        if (const int id = gridColumn(column).headerId; id != 0) {
            headers_[column] = packText(pack, id);
        }
    }
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void ChannelGridModel::refresh() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1), {Qt::DisplayRole});
}

}  // namespace hm3300::app
