#include "editors/CServiceDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

CServiceDlg::CServiceDlg(IWindowHost& host, QWidget* parent)
    : CConfigDlg(host, SlimEditorMode::Service, parent) {
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    SlimConfigForm& form = Form();
    form.save->hide();
    form.openToruca->hide();
    form.sizeLabels[2]->hide();
    form.sizes[2]->hide();
    const Preferences& prefs = Host().Prefs();
    SetState(SlimServiceStartState({prefs.ServiceBrowserUrl(), prefs.ServiceBrowserMessage(),
                                    prefs.ServiceTorucaUrl(), prefs.ServiceTorucaIcon()}));
    // The mailer has no query in this window: neither of its switches is on.
    QButtonGroup* mailerPair = form.queryOff[2]->group();
    mailerPair->setExclusive(false);
    form.queryOff[2]->setChecked(false);
    mailerPair->setExclusive(true);
    setWindowTitle(Tr(res::ids::kServiceSettingsCaption));
    Refresh();
    MarkClean();
}

CServiceDlg::~CServiceDlg() = default;

}  // namespace morvik
