#pragma once
// Options → 通信端口 → "Choose device…": the serial ports of this machine as
// `hm3300d-cli ports` lists them (device, description, maker, USB id, whether this user can
// open it and if not why), with the device the chosen port opens now. Picking a row, or
// typing a device the list lacks such as the virtual radio's link, names the new device.

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

class PortChoiceDialog : public QDialog {
    Q_OBJECT

public:
    PortChoiceDialog(const QString& currentDevice, const model::LanguagePack& pack,
                     QWidget* parent);

    // The device named when the dialog was accepted.
    QString device() const;

    QTreeWidget* portList() const { return portList_; }
    QLineEdit* deviceField() const { return deviceField_; }

private:
    void fillPortList(const QString& currentDevice, const model::LanguagePack& pack);

    QTreeWidget* portList_;
    QLineEdit* deviceField_;
};

}  // namespace hm3300::app
