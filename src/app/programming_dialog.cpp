#include "app/programming_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/confirm_dialog.h"
#include "app/document.h"
#include "app/dtmf_page.h"
#include "app/main_window.h"
#include "app/pack_text.h"
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

ProgrammingDialog::ProgrammingDialog(MainWindow& window)
    : QDialog(&window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      window_(window),
      document_(window.document()),
      progressBar_(new QProgressBar),
      startButton_(new QPushButton),
      closeButton_(new QPushButton(QStringLiteral("关闭"))),
      status_(new QLabel) {
    setObjectName(QStringLiteral("ProgrammingDialog"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, link::gaugeMaximum(link::RunMode::Read));
    progressBar_->setValue(0);
    startButton_->setObjectName(QStringLiteral("startButton"));
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : {startButton_, closeButton_}) {
        button->setFixedSize(90, 28);
        button->setAutoDefault(false);
    }
    status_->setObjectName(QStringLiteral("statusPanel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addSpacing(40);
    buttons->addWidget(closeButton_);
    buttons->addStretch();

    auto* statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);
    statusBar->addWidget(status_, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 28, 24, 20);
    body->setSpacing(28);
    body->addStretch();
    body->addWidget(progressBar_);
    body->addLayout(buttons);
    body->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(statusBar);

    connect(startButton_, &QPushButton::clicked, this, &ProgrammingDialog::startRun);
    connect(closeButton_, &QPushButton::clicked, this, &ProgrammingDialog::close);
    connect(&document_, &Document::languageChanged, this, &ProgrammingDialog::applyLanguage);
}

ProgrammingDialog::~ProgrammingDialog() = default;

QString ProgrammingDialog::openPort(const QString& path, bool singleHead) {
    closePort();
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

void ProgrammingDialog::setBanner(const QString& bannerText) {
    status_->setText(bannerText);
}

QString ProgrammingDialog::statusText() const {
    return status_->text();
}

void ProgrammingDialog::applyLanguage() {
    closeButton_->setText(packText(document_.pack(), 2));
}

void ProgrammingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    chooseStartChannel();
}

void ProgrammingDialog::chooseStartChannel() {
    if (run_) {
        // With no channel in the active band, VFO/MR and MR freq./MR CH change: the option
        // pages show them.
        const model::RadioSettings before = document_.settings();
        run_->chooseStartChannel();
        if (document_.settings() != before) {
            document_.notifyReplaced();
        }
    }
    startButton_->setFocus();
    window_.dtmfPage()->hideCallEditor();
}

void ProgrammingDialog::showProgress(int value) {
    progressBar_->setValue(std::clamp(value, progressBar_->minimum(), progressBar_->maximum()));
}

void ProgrammingDialog::startRun() {
    if (!run_ || running_) {
        return;
    }
    // Disabled before the port reset, so the run cannot be started twice while it waits.
    running_ = true;
    startButton_->setEnabled(false);
    const link::RunOutcome outcome = run_->run(mode_);
    startButton_->setEnabled(true);
    running_ = false;
    if (mode_ == link::RunMode::Read) {
        // Whatever was read before a failure stays in the document: every page shows it.
        document_.notifyReplaced();
    }
    if (!outcome.ok) {
        reportFailure(outcome);
    }
}

void ProgrammingDialog::reportFailure(const link::RunOutcome& outcome) {
    // Set when the port reset could not reopen the port or the cable was pulled.
    const QString portProblem = serial_->problem();
    window_.message().showWarning(model::TextId::LinkErrorText,
                                  failureDetail(outcome, portProblem));
}

void ProgrammingDialog::done(int result) {
    if (!closeAllowed()) {
        return;
    }
    QDialog::done(result);
    closePort();
}

void ProgrammingDialog::closePort() {
    run_.reset();
    if (serial_) {
        serial_->setOpen(false);
    }
    link_.reset();
    serial_.reset();
}

}  // namespace hm3300::app
