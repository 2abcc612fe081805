#include "app/programming_dialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>

#include "app/confirm_dialog.h"
#include "app/document.h"
#include "app/dtmf_page.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "link/link_trace.h"
#include "model/text_ids.h"
#include "places/local_path.h"
#include "places/user_folders.h"

namespace hm3300::app {

namespace {

constexpr int kWidth = 380;

// Where the trace of the last run is kept for a bug report; empty when the user's cache
// folder cannot be made.
QString lastRunTracePath() {
    const QString folder = places::userFolder(places::UserFolder::Cache);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return folder + QStringLiteral("/last-run.trace");
}

}  // namespace

ProgrammingDialog::ProgrammingDialog(MainWindow& window)
    : QDialog(&window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      window_(window),
      document_(window.document()),
      session_(ports_, waiter_, document_.codeplug(), document_.texts()),
      progressBar_(new QProgressBar),
      startButton_(new QPushButton),
      closeButton_(new QPushButton(QStringLiteral("关闭"))),
      pacing_(new QLabel),
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
    pacing_->setObjectName(QStringLiteral("pacing"));
    pacing_->setAlignment(Qt::AlignCenter);

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
    body->setSpacing(16);
    body->addStretch();
    body->addWidget(pacing_);
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

link::RunOutcome ProgrammingDialog::prepare(link::RunMode mode,
                                            const link::SessionOptions& options) {
    progressBar_->setRange(0, link::gaugeMaximum(mode));
    progressBar_->setValue(0);
    pacing_->setText(packText(document_.pack(), options.pacing == link::Pacing::Fast
                                                    ? model::TextId::FastLink
                                                    : model::TextId::StandardLink));
    // With no channel in the active band the session sets VFO/MR and MR freq./MR CH: the
    // option pages show them.
    const model::RadioSettings before = document_.settings();
    link::RunOutcome outcome = session_.open(mode, options);
    if (document_.settings() != before) {
        document_.notifyReplaced();
    }
    return outcome;
}

void ProgrammingDialog::setBanner(const QString& bannerText) {
    status_->setText(bannerText);
}

QString ProgrammingDialog::statusText() const {
    return status_->text();
}

QString ProgrammingDialog::pacingText() const {
    return pacing_->text();
}

void ProgrammingDialog::applyLanguage() {
    closeButton_->setText(packText(document_.pack(), 2));
}

void ProgrammingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    startButton_->setFocus();
    window_.dtmfPage()->hideCallEditor();
}

void ProgrammingDialog::showProgress(int value) {
    progressBar_->setValue(std::clamp(value, progressBar_->minimum(), progressBar_->maximum()));
}

void ProgrammingDialog::startRun() {
    if (!session_.isOpen() || running_) {
        return;
    }
    // Disabled before the port reset, so the run cannot be started twice while it waits.
    running_ = true;
    startButton_->setEnabled(false);
    const QString tracePath = lastRunTracePath();
    std::ofstream traceFile;
    if (!tracePath.isEmpty()) {
        traceFile.open(places::localPath(tracePath), std::ios::trunc);
    }
    link::LinkTrace trace(traceFile);
    session_.setTrace(traceFile ? &trace : nullptr);
    QElapsedTimer elapsed;
    elapsed.start();
    const link::RunOutcome outcome =
        session_.run([this](int value, int /*maximum*/) { showProgress(value); });
    session_.setTrace(nullptr);
    startButton_->setEnabled(true);
    running_ = false;
    if (!outcome.ok()) {
        reportFailure(outcome, traceFile ? tracePath : QString());
        return;
    }
    if (session_.mode() == link::RunMode::Read) {
        // The read replaced the whole codeplug: every page shows it.
        document_.notifyReplaced();
    }
    emit runSucceeded(session_.mode(), static_cast<int>((elapsed.elapsed() + 500) / 1000));
}

void ProgrammingDialog::reportFailure(const link::RunOutcome& outcome, const QString& tracePath) {
    const model::LanguagePack& pack = document_.pack();
    QString detail = messageText(outcome.description, pack);
    if (!tracePath.isEmpty()) {
        detail += QLatin1Char('\n') +
                  messageText({model::TextId::TraceKeptAt, {tracePath.toStdString()}}, pack);
    }
    window_.message().showWarning(model::TextId::LinkErrorText, detail);
}

void ProgrammingDialog::done(int result) {
    if (running_) {
        return;
    }
    QDialog::done(result);
    session_.close();
}

}  // namespace hm3300::app
