#include "editors/SlimConfigForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CByteField.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr int kFieldMinimumWidth = 300;

constexpr std::array<const char*, kSlimFieldCount> kFieldNames = {
    "browserUrl",  "browserMessage", "torucaUrl", "torucaIcon",  "torucaData1", "torucaData2",
    "torucaData3", "mailTo",         "mailCc",    "mailSubject", "mailBody",    "mailMessage"};
constexpr std::array<const char*, 3> kGroupNames = {"browser", "toruca", "mailer"};
constexpr std::array<int, 3> kGroupTitles = {ids::kBrowserLaunch, ids::kTorucaDistribution,
                                             ids::kMailerLaunch};
constexpr std::array<int, 4> kBehaviourTexts = {ids::kIdleLamp, ids::kBuzzer,
                                                ids::kLowVoltageBuzzer, ids::kFailureLampBuzzer};
constexpr std::array<int, 5> kSummaryTexts = {
    ids::kSummaryIdleLamp, ids::kSummaryFailureLamp, ids::kSummaryFailureBuzzer,
    ids::kSummaryLowVoltageBuzzer, ids::kSummaryOtherBuzzer};

QPushButton* Button(int textId, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Tr(textId), parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a field must never press a button by accident.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit* ReadOnly(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

}  // namespace

int GroupIndex(SlimRecordKind kind) {
    switch (kind) {
        case SlimRecordKind::Toruca:
            return 1;
        case SlimRecordKind::Mailer:
            return 2;
        case SlimRecordKind::Browser:
            break;
    }
    return 0;
}

void SlimConfigForm::Build(QDialog* window) {
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    // The function and what it launches.
    auto* functionBox = new QGroupBox(Tr(ids::kFunction), window);
    auto* functionLayout = new QGridLayout(functionBox);
    functions = new QComboBox(functionBox);
    functions->setObjectName(QStringLiteral("function"));
    docomoSummary = new QLabel(functionBox);
    othersSummary = new QLabel(functionBox);
    description = new QLabel(functionBox);
    description->setWordWrap(true);
    description->setObjectName(QStringLiteral("description"));
    functionLayout->addWidget(functions, 0, 0, 2, 1, Qt::AlignTop);
    functionLayout->addWidget(docomoSummary, 0, 1);
    functionLayout->addWidget(othersSummary, 1, 1);
    functionLayout->addWidget(description, 2, 0, 1, 2);
    functionLayout->setColumnStretch(1, 1);
    // The description takes one line or two as the function changes; it keeps room for two so
    // that the groups below stay where they are.
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setMinimumHeight(
        description->fontMetrics()
            .boundingRect(QRect(0, 0, 1000, 1000), Qt::TextWordWrap, QStringLiteral("あ\nあ"))
            .height());
    left->addWidget(functionBox);

    // The three record groups, each with its fields and its query switch.
    std::array<QFormLayout*, kGroups> forms{};
    for (int g = 0; g < kGroups; ++g) {
        groups[g] = new QGroupBox(Tr(kGroupTitles[g]), window);
        groups[g]->setObjectName(QString::fromLatin1(kGroupNames[g]));
        forms[g] = new QFormLayout(groups[g]);
        forms[g]->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        (g == 2 ? right : left)->addWidget(groups[g]);
    }
    auto addQueryPair = [&](int g) {
        auto* row = new QHBoxLayout;
        queryOn[g] = new QRadioButton(Tr(ids::kQueryOn), groups[g]);
        queryOff[g] = new QRadioButton(Tr(ids::kQueryNone), groups[g]);
        queryOn[g]->setObjectName(QString::fromLatin1(kGroupNames[g]) + QStringLiteral("QueryOn"));
        queryOff[g]->setObjectName(QString::fromLatin1(kGroupNames[g]) +
                                   QStringLiteral("QueryOff"));
        auto* pair = new QButtonGroup(groups[g]);
        pair->addButton(queryOn[g]);
        pair->addButton(queryOff[g]);
        row->addWidget(queryOn[g]);
        row->addWidget(queryOff[g]);
        row->addStretch();
        queryLabels[g] = new QLabel(Tr(ids::kQueryLabel), groups[g]);
        queryLabels[g]->setObjectName(QString::fromLatin1(kGroupNames[g]) +
                                      QStringLiteral("QueryLabel"));
        forms[g]->addRow(queryLabels[g], row);
    };
    int lastGroup = 0;
    for (const SlimFieldSpec& entry : SlimFieldSpecs()) {
        const int g = GroupIndex(entry.kind);
        if (g != lastGroup) {
            addQueryPair(lastGroup);
            lastGroup = g;
        }
        auto* field = new CByteField(entry.multiLine, entry.limit,
                                     FromCp932(SlimLengthMessage(entry.field)), groups[g]);
        field->Widget()->setObjectName(
            QString::fromLatin1(kFieldNames[static_cast<std::size_t>(entry.field)]));
        fields[static_cast<std::size_t>(entry.field)] = field;
        forms[g]->addRow(Tr(entry.labelId), field->Widget());
        if (entry.field == SlimField::TorucaIcon) {
            field->Widget()->setMaximumWidth(80);
        } else {
            // Room for a good part of a URL of 184 characters.
            field->Widget()->setMinimumWidth(kFieldMinimumWidth);
        }
    }
    addQueryPair(lastGroup);
    openToruca = Button(ids::kOpenTorucaFile, "openToruca", groups[1]);
    forms[1]->addRow(QString(), openToruca);

    // The query encryption and the body's behaviour, with the summary of what it makes.
    auto* bodyBox = new QGroupBox(Tr(ids::kBodyBehaviour), window);
    auto* bodyLayout = new QHBoxLayout(bodyBox);
    auto* boxes = new QVBoxLayout;
    encrypt = new QCheckBox(Tr(ids::kEncryptQuery), window);
    encrypt->setObjectName(QStringLiteral("encrypt"));
    right->addWidget(encrypt);
    for (std::size_t i = 0; i < behaviour.size(); ++i) {
        behaviour[i] = new QCheckBox(Tr(kBehaviourTexts[i]), bodyBox);
        behaviour[i]->setObjectName(QStringLiteral("behaviour%1").arg(i));
        boxes->addWidget(behaviour[i]);
    }
    boxes->addStretch();
    auto* summaryForm = new QFormLayout;
    for (std::size_t i = 0; i < summary.size(); ++i) {
        summary[i] = ReadOnly(QStringLiteral("summary%1").arg(i), bodyBox);
        summary[i]->setMaximumWidth(60);
        summaryForm->addRow(Tr(kSummaryTexts[i]), summary[i]);
    }
    bodyLayout->addLayout(boxes);
    bodyLayout->addLayout(summaryForm);
    right->addWidget(bodyBox);

    auto* sizeBox = new QGroupBox(Tr(ids::kTotalSize), window);
    auto* sizeForm = new QFormLayout(sizeBox);
    for (int g = 0; g < kGroups; ++g) {
        sizeLabels[g] = new QLabel(Tr(kGroupTitles[g]), sizeBox);
        sizes[g] = ReadOnly(QStringLiteral("size%1").arg(g), sizeBox);
        sizeForm->addRow(sizeLabels[g], sizes[g]);
    }
    right->addWidget(sizeBox);
    left->addStretch();
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    write = Button(ids::kWriteSettings, "write", window);
    save = Button(ids::kSaveToFile, "save", window);
    close = Button(ids::kButtonClose, "close", window);
    buttons->addStretch();
    buttons->addWidget(write);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(window);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    // Tab order as the controls are listed: the function, each group's fields and switch, the
    // Toruca file button, the boxes, the buttons.
    QList<QWidget*> order = {functions};
    for (int g = 0; g < kGroups; ++g) {
        for (const SlimFieldSpec& entry : SlimFieldSpecs()) {
            if (GroupIndex(entry.kind) == g) {
                order << Field(entry.field)->Widget();
            }
        }
        order << queryOn[g] << queryOff[g];
        if (g == 1) {
            order << openToruca;
        }
    }
    order << encrypt;
    for (QCheckBox* box : behaviour) {
        order << box;
    }
    order << write << save << close;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace morvik
