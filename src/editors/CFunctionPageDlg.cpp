#include "editors/CFunctionPageDlg.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FileDialogs.h"
#include "app/QtText.h"
#include "editors/CByteField.h"
#include "files/TorucaFile.h"
#include "model/MiniEditorRules.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// Fields of at most this many bytes (category icon, kana ID, identifiers, code) are short.
constexpr int kShortFieldBytes = 6;
constexpr int kFieldFrame = 12;

constexpr int kQueryTextIds[] = {ids::kQueryEncrypted, ids::kQueryPlain, ids::kQueryNone};

const char* ObjectName(RecordKind kind) {
    switch (kind) {
        case RecordKind::Toruca:
            return "CTorucaDlg";
        case RecordKind::Application:
            return "CAppliDlg";
        case RecordKind::Mailer:
            return "CMailerDlg";
        case RecordKind::Browser:
            break;
    }
    return "CBrowserDlg";
}

}  // namespace

CFunctionPageDlg::CFunctionPageDlg(RecordKind kind, PhoneGroup group, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      group_(group),
      spec_(FunctionPageSpec(kind)),
      selector_(new QComboBox(this)),
      counter_(new QLabel(this)) {
    setObjectName(QString::fromLatin1(ObjectName(kind)));
    for (int id : GroupSelectorTextIds(group)) {
        selector_->addItem(Tr(id));
    }
    // The page sits in a group box titled 機能, the function selector at its top.
    auto* box = new QGroupBox(Tr(ids::kFunction), this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(selector_);
    for (std::size_t i = 0; i < spec_.fields.size(); ++i) {
        const PageFieldSpec& field = spec_.fields[i];
        auto* edit = new CByteField(
            field.multiLine, field.limit,
            QString::fromStdString(res::Format(res::Text(field.lengthMessageId), field.limitShown)),
            this);
        fields_.push_back(edit);
        if (!field.multiLine && field.limit <= kShortFieldBytes) {
            // A code of a few characters gets a field of its size, not a URL's width.
            const QFontMetrics metrics = edit->Widget()->fontMetrics();
            edit->Widget()->setMaximumWidth(
                metrics.horizontalAdvance(QLatin1Char('M')) * (field.limit + 2) + kFieldFrame);
        }
        form->addRow(Tr(field.labelId), edit->Widget());
        connect(edit, &CByteField::Edited, this, [this, i, edit] {
            if (bound_ != nullptr) {
                spec_.fields[i].text(*bound_) = edit->Text();
            }
            Recount();
            emit Changed();
        });
        connect(edit, &CByteField::Refused, this, &CFunctionPageDlg::InputRefused);
    }
    if (spec_.hasQuery) {
        query_ = new QComboBox(this);
        for (int id : kQueryTextIds) {
            query_->addItem(Tr(id));
        }
        form->addRow(Tr(ids::kQueryLabel), query_);
        connect(query_, &QComboBox::activated, this, [this](int index) {
            if (bound_ != nullptr) {
                SetPageQuery(*bound_, kind_, static_cast<QueryChoice>(index));
            }
            Recount();
            emit Changed();
        });
    }
    auto* bottom = new QHBoxLayout;
    if (spec_.opensTorucaFile) {
        openToruca_ = new QPushButton(Tr(ids::kOpenTorucaFile), this);
        openToruca_->setAutoDefault(false);
        bottom->addWidget(openToruca_);
        connect(openToruca_, &QPushButton::clicked, this, &CFunctionPageDlg::OpenTorucaFile);
    }
    bottom->addStretch();
    bottom->addWidget(new QLabel(Tr(ids::kTotalSize), this));
    bottom->addWidget(counter_);
    auto* inside = new QVBoxLayout(box);
    inside->addLayout(form);
    inside->addStretch();
    inside->addLayout(bottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    connect(selector_, &QComboBox::activated, this, &CFunctionPageDlg::SelectorChanged);
}

void CFunctionPageDlg::Bind(GroupFunctions* group) {
    bound_ = group;
    Refresh();
}

void CFunctionPageDlg::Refresh() {
    if (bound_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->SetText(spec_.fields[i].text(*bound_));
    }
    if (query_ != nullptr) {
        query_->setCurrentIndex(static_cast<int>(PageQuery(*bound_, kind_)));
    }
    selector_->setCurrentIndex(SelectorIndexOf(bound_->selected, group_));
    Recount();
}

QList<QWidget*> CFunctionPageDlg::TabOrder() const {
    QList<QWidget*> order{selector_};
    for (const CByteField* field : fields_) {
        order.append(field->Widget());
    }
    if (query_ != nullptr) {
        order.append(query_);
    }
    if (openToruca_ != nullptr) {
        order.append(openToruca_);
    }
    return order;
}

void CFunctionPageDlg::Recount() {
    if (bound_ == nullptr) {
        return;
    }
    const PageCounter counter = CountPage(*bound_, kind_);
    over_ = counter.over;
    counter_->setText(QString::fromStdString(CounterText(counter)));
    // Red while over the limit, the palette's own colour otherwise.
    counter_->setStyleSheet(over_ ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
}

void CFunctionPageDlg::OpenTorucaFile() {
    const ChosenFile file = ChooseFile(this, FileDialogMode::Open, ids::kTorucaFileFilter);
    if (!file.Chosen() || bound_ == nullptr) {
        return;
    }
    const TorucaFileResult result = ReadTorucaFile(PathFromUtf8(file.path));
    if (!result.record) {
        QMessageBox box(QMessageBox::Warning, Tr(ids::kErrorCaption), FromCp932(result.message),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    bound_->toruca = *result.record;
    const QueryChoice query = bound_->torucaQuery;
    Refresh();
    bound_->torucaQuery = query;
    emit Changed();
}

}  // namespace morvik
