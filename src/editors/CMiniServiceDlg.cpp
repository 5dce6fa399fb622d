#include "editors/CMiniServiceDlg.h"

#include "app/IWindowHost.h"
#include "editors/CByteField.h"
#include "model/FunctionPageFields.h"

namespace morvik {

CMiniServiceDlg::CMiniServiceDlg(IWindowHost& host, QWidget* parent)
    : CMiniServiceDlg(host, kEditionMini, parent) {}

CMiniServiceDlg::CMiniServiceDlg(IWindowHost& host, EditionCode edition, QWidget* parent)
    : CMiniEasyDlg(host, edition, QuickWindow::Service, parent) {
    setObjectName(QStringLiteral("CMiniServiceDlg"));
    const QuickLimits limits = MiniQuickLimits(QuickWindow::Service);
    UrlField()->SetText(host.Prefs().ServiceBrowserUrl());
    MessageField()->SetText(Cp932Prefix(host.Prefs().ServiceBrowserMessage(),
                                        static_cast<std::size_t>(limits.message)));
    Recount();
    MarkClean();
}

}  // namespace morvik
