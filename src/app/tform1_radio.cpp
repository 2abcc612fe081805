// Tform1: the parts the channel editor and the radio link provide. These first versions
// only hold the places: page 0 and page 3 are empty pages, Read and Write show page 0.

#include <QTabWidget>

#include "app/tform1.h"

namespace hm3300::app {

QWidget* Tform1::createChannelEditPage() {
    return new QWidget;
}

QWidget* Tform1::createSingleChannelPage() {
    return new QWidget;
}

void Tform1::createProgrammingDialog() {}

void Tform1::commitChannelEdit() {
    pages_->setCurrentIndex(kChannelEditPage);
}

void Tform1::hideToneDropDown() {}

void Tform1::gs1Click() {
    pages_->setCurrentIndex(kChannelEditPage);
}

void Tform1::N2Click() {
    pages_->setCurrentIndex(kChannelEditPage);
}

}  // namespace hm3300::app
