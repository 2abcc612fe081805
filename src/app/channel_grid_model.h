#pragma once
// The channel grid's view of the document's ChannelTable: 128 rows (channels 1 to 128) and
// 12 columns: the row label "001" ... "128", the ten visible fields in their order, and the
// ">>" column that leads to the single-channel page. It also carries the grid's look:
// centred texts, the silver label column, every third row tinted, the fonts of columns 5
// and 11. Read-only: the grid's overlay editors write the document, and the model follows.

#include <QAbstractTableModel>
#include <QStringList>

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class Document;

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 12;
    static constexpr int kLabelColumn = 0;
    static constexpr int kPowerColumn = 5;
    static constexpr int kMoreColumn = 11;
    static constexpr int kRowHeight = 20;

    explicit ChannelGridModel(Document& document, QObject* parent = nullptr);

    // The width in pixels of `column`.
    static int columnWidth(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Headers from texts 25-31, 73, 101 and 102; "DTMF" and "PTT ID" stay as they are.
    void applyLanguage(const model::LanguagePack& pack);
    // Every cell shows the document's channels anew.
    void refresh();

private:
    QVariant cellText(int row, int column) const;

    const Document& document_;
    QStringList headers_;
};

}  // namespace hm3300::app
