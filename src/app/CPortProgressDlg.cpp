#include "app/CPortProgressDlg.h"

#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "protocol/SearchProbe.h"
#include "res/StringIds.h"

namespace morvik {

CPortProgressDlg::CPortProgressDlg(IWindowHost& host, QWidget* parent, PortSearch::PortList list)
    : QDialog(parent),
      host_(host),
      search_([this](int port) { return Probe(port); }, std::move(list)) {
    setWindowTitle(Tr(res::ids::kPortSearchCaption));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, PortSearch::kInitialPortCount);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(300);
    cancelButton_ = new QPushButton(Tr(res::ids::kButtonCancel), this);
    connect(cancelButton_, &QPushButton::clicked, this, &CPortProgressDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);

    timer_.setInterval(kPollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CPortProgressDlg::Poll);
}

CPortProgressDlg::~CPortProgressDlg() {
    // The window closes only once the thread is done with the port; this is for a window that
    // was never shown or is destroyed with its owner.
    timer_.stop();
    search_.Cancel();
    search_.Wait();
}

void CPortProgressDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) {
        return;
    }
    started_ = true;
    savedPort_ = host_.Terminal().PortNumber();
    // The search is over COM numbers: a device given on the command line steps aside meanwhile.
    savedDevice_ = host_.Terminal().DevicePath();
    host_.Terminal().SetDevicePath(std::string());
    search_.Start();
    timer_.start();
}

void CPortProgressDlg::reject() {
    search_.Cancel();
}

bool CPortProgressDlg::Probe(int port) {
    // On the search thread: the terminal object is the main window's, and nobody else uses it
    // while this modal window runs.
    return ProbePortForSearch(host_.Terminal(), port, search_.CancelFlag());
}

void CPortProgressDlg::RestorePort() {
    host_.Terminal().SetPortNumber(savedPort_);
    host_.Terminal().SetDevicePath(savedDevice_);
}

void CPortProgressDlg::ReleaseFoundPort() {
    CTerminal& terminal = host_.Terminal();
    if (terminal.IsConnected()) {
        terminal.SendExit();
        terminal.Disconnect();
    }
}

void CPortProgressDlg::Poll() {
    const int count = search_.PortCount();
    bar_->setRange(0, count + 1);
    bar_->setValue(search_.Progress());

    if (search_.CancelRequested()) {
        if (search_.Found()) {
            ReleaseFoundPort();
        }
        RestorePort();
    }
    if (search_.Aborted()) {
        ReleaseFoundPort();
        timer_.stop();
        search_.Wait();
        done(QDialog::Rejected);
        return;
    }
    // A list that could not be read ends the thread before the first port: a search without
    // result rather than a window that waits for ever.
    const bool unreadable = search_.Finished() && search_.CurrentIndex() < 0 && count > 0;
    if (search_.CurrentIndex() >= count - 1 || unreadable) {
        bar_->setValue(count + 1);
        if (search_.Found()) {
            ReleaseFoundPort();
        } else {
            RestorePort();
        }
        timer_.stop();
        search_.Wait();
        done(search_.CancelRequested() ? QDialog::Rejected : QDialog::Accepted);
    }
}

}  // namespace morvik
