#include "editors/CMiniServiceDlg.h"

#include "app/CMVKAppDlg.h"
#include "editors/CByteField.h"
#include "model/FunctionPageFields.h"

namespace morvik {

CMiniServiceDlg::CMiniServiceDlg(CMVKAppDlg& main, QWidget* parent)
    : CMiniServiceDlg(main, kEditionMini, parent) {}

CMiniServiceDlg::CMiniServiceDlg(CMVKAppDlg& main, EditionCode edition, QWidget* parent)
    : CMiniEasyDlg(main, edition, QuickWindow::Service, parent) {
    setObjectName(QStringLiteral("CMiniServiceDlg"));
    const QuickLimits limits = MiniQuickLimits(QuickWindow::Service);
    UrlField()->SetText(main.Prefs().ServiceBrowserUrl());
    MessageField()->SetText(Cp932Prefix(main.Prefs().ServiceBrowserMessage(),
                                        static_cast<std::size_t>(limits.message)));
    Recount();
    MarkClean();
}

}  // namespace morvik
