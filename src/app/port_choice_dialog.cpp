#include "app/port_choice_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/pack_text.h"
#include "model/text_ids.h"
#include "port/port_list.h"

namespace hm3300::app {

namespace {

enum Column { kDevice, kDescription, kMaker, kUsbId, kOpens };

}  // namespace

PortChoiceDialog::PortChoiceDialog(const QString& currentDevice, const model::LanguagePack& pack,
                                   QWidget* parent)
    : QDialog(parent), portList_(new QTreeWidget), deviceField_(new QLineEdit(currentDevice)) {
    setObjectName(QStringLiteral("PortChoiceDialog"));
    setWindowTitle(captionText(pack, model::TextId::ChooseDevice));
    setModal(true);
    resize(760, 320);

    portList_->setObjectName(QStringLiteral("portList"));
    portList_->setRootIsDecorated(false);
    portList_->setHeaderLabels({packText(pack, model::TextId::DeviceColumn),
                                packText(pack, model::TextId::DescriptionColumn),
                                packText(pack, model::TextId::MakerColumn),
                                packText(pack, model::TextId::UsbIdColumn),
                                packText(pack, model::TextId::OpenColumn)});
    fillPortList(currentDevice, pack);
    deviceField_->setObjectName(QStringLiteral("deviceField"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(packText(pack, 7));
    buttons->button(QDialogButtonBox::Cancel)->setText(packText(pack, 8));

    auto* deviceRow = new QHBoxLayout;
    deviceRow->addWidget(new QLabel(packText(pack, model::TextId::DevicePathLabel)));
    deviceRow->addWidget(deviceField_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(portList_, 1);
    layout->addLayout(deviceRow);
    layout->addWidget(buttons);

    // Selection, unlike the current row, changes only by the operator's hand.
    connect(portList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = portList_->selectedItems();
        if (!selected.isEmpty()) {
            deviceField_->setText(selected.front()->text(kDevice));
        }
    });
    connect(portList_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// The current device comes first when the system does not list it, so that the operator sees
// at once whether it can be opened.
void PortChoiceDialog::fillPortList(const QString& currentDevice, const model::LanguagePack& pack) {
    std::vector<port::PortDescription> ports = port::availablePorts();
    const bool listed = std::any_of(ports.begin(), ports.end(),
                                    [&](const auto& port) { return port.device == currentDevice; });
    if (!listed && !currentDevice.isEmpty()) {
        ports.insert(ports.begin(), port::describePort(currentDevice));
    }
    for (const port::PortDescription& port : ports) {
        const QString opens = port.access ? packText(pack, model::TextId::PortOpens)
                                          : messageText(port.access.reason, pack);
        auto* item = new QTreeWidgetItem(
            portList_,
            {port.device, messageText(port.description, pack), port.maker, port.usbId, opens});
        item->setToolTip(kOpens, opens);
        if (port.device == currentDevice) {
            portList_->setCurrentItem(item);
        }
    }
    for (int column = kDevice; column < kOpens; ++column) {
        portList_->resizeColumnToContents(column);
    }
}

QString PortChoiceDialog::device() const {
    return deviceField_->text().trimmed();
}

}  // namespace hm3300::app
