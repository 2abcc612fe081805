#include "app/tr_and_w.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/document.h"
#include "app/dtmf_page.h"
#include "app/pack_text.h"
#include "app/tform1.h"
#include "app/tmessage1.h"
#include "model/text_ids.h"
#include "port/serial_port.h"

namespace hm3300::app {

namespace {

constexpr int kWidth = 380;

// What failed, for the operator: the step and what arrived or, when the write check
// refused the codeplug, every value the radio cannot take.
QString failureDetail(const link::RunOutcome& outcome, const QString& portProblem) {
    QStringList lines;
    if (outcome.problems.empty()) {
        lines.append(QString::fromStdString(outcome.description));
    } else {
        lines.append(QStringLiteral("The codeplug cannot be written, nothing was sent:"));
        for (const codec::WriteProblem& problem : outcome.problems) {
            lines.append(QString::fromStdString(problem.toString()));
        }
    }
    if (!portProblem.isEmpty()) {
        lines.append(portProblem);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

TR_and_W::TR_and_W(Tform1& window)
    : QDialog(&window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      window_(window),
      document_(window.document()),
      bsSkinGauge1(new QProgressBar),
      bsSkinButton1(new QPushButton),
      bsSkinButton2(new QPushButton(QStringLiteral("关闭"))),
      status_(new QLabel) {
    setObjectName(QStringLiteral("TR_and_W"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    bsSkinGauge1->setObjectName(QStringLiteral("bsSkinGauge1"));
    bsSkinGauge1->setTextVisible(false);
    bsSkinGauge1->setRange(0, link::gaugeMaximum(link::RunMode::Read));
    bsSkinGauge1->setValue(0);
    bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
    bsSkinButton2->setObjectName(QStringLiteral("bsSkinButton2"));
    for (QPushButton* button : {bsSkinButton1, bsSkinButton2}) {
        button->setFixedSize(90, 28);
        button->setAutoDefault(false);
    }
    status_->setObjectName(QStringLiteral("statusPanel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bsSkinButton1);
    buttons->addSpacing(40);
    buttons->addWidget(bsSkinButton2);
    buttons->addStretch();

    auto* statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);
    statusBar->addWidget(status_, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 28, 24, 20);
    body->setSpacing(28);
    body->addStretch();
    body->addWidget(bsSkinGauge1);
    body->addLayout(buttons);
    body->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(statusBar);

    connect(bsSkinButton1, &QPushButton::clicked, this, &TR_and_W::bsSkinButton1Click);
    connect(bsSkinButton2, &QPushButton::clicked, this, &TR_and_W::bsSkinButton2Click);
    connect(&document_, &Document::languageChanged, this, &TR_and_W::applyLanguage);
}

TR_and_W::~TR_and_W() = default;

QString TR_and_W::openPort(const QString& path, bool singleHead) {
    FormClose();
    auto serial = std::make_unique<port::SerialPort>(path);
    auto link = std::make_unique<link::SerialLink>(*serial, waiter_);
    link->setSingleHead(singleHead);
    serial->attach(*link);
    if (!serial->setOpen(true)) {
        return path + QStringLiteral(" cannot be opened: ") + serial->problem();
    }
    serial_ = std::move(serial);
    link_ = std::move(link);
    run_ = std::make_unique<link::ProgrammingRun>(
        *link_, document_.codeplug(), document_.texts(),
        [this](int value, int /*maximum*/) { showProgress(value); });
    return {};
}

void TR_and_W::setBanner(const QString& bannerText) {
    status_->setText(bannerText);
}

QString TR_and_W::statusText() const {
    return status_->text();
}

void TR_and_W::applyLanguage() {
    bsSkinButton2->setText(packText(document_.pack(), 2));
}

void TR_and_W::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormShow();
}

void TR_and_W::FormShow() {
    if (run_) {
        // With no channel in the active band, VFO/MR and MR freq./MR CH change: the option
        // pages show them.
        const model::RadioSettings before = document_.settings();
        run_->FormShow();
        if (document_.settings() != before) {
            document_.notifyReplaced();
        }
    }
    bsSkinButton1->setFocus();
    window_.dtmfPage()->hideCallEditor();
}

void TR_and_W::showProgress(int value) {
    bsSkinGauge1->setValue(std::clamp(value, bsSkinGauge1->minimum(), bsSkinGauge1->maximum()));
}

void TR_and_W::bsSkinButton1Click() {
    if (!run_ || running_) {
        return;
    }
    // Disabled before the port reset, so the run cannot be started twice while it waits.
    running_ = true;
    bsSkinButton1->setEnabled(false);
    const link::RunOutcome outcome = run_->run(Tag);
    bsSkinButton1->setEnabled(true);
    running_ = false;
    if (Tag == link::RunMode::Read) {
        // Whatever was read before a failure stays in the document: every page shows it.
        document_.notifyReplaced();
    }
    if (!outcome.ok) {
        reportFailure(outcome);
    }
}

void TR_and_W::reportFailure(const link::RunOutcome& outcome) {
    // Set when the port reset could not reopen the port or the cable was pulled.
    const QString portProblem = serial_->problem();
    window_.message().showWarning(model::TextId::LinkErrorText,
                                  failureDetail(outcome, portProblem));
}

void TR_and_W::bsSkinButton2Click() {
    close();
}

void TR_and_W::done(int result) {
    if (!FormCloseQuery()) {
        return;
    }
    QDialog::done(result);
    FormClose();
}

void TR_and_W::FormClose() {
    run_.reset();
    if (serial_) {
        serial_->setOpen(false);
    }
    link_.reset();
    serial_.reset();
}

}  // namespace hm3300::app
