#include "editors/CLampRow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/QtText.h"
#include "editors/CLampPreview.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// The result field holds at most this many characters (a user pattern needs 21).
constexpr int kResultFieldLength = 32;

}  // namespace

CLampRow::CLampRow(QWidget* parent, const QString& label, bool idle, const std::string& stored,
                   LampRowChoice choice, const UserLampPatterns* userPatterns)
    : QObject(parent),
      state_(idle, stored, choice),
      userPatterns_(userPatterns),
      label_(new QLabel(label, parent)),
      colours_(new QComboBox(parent)),
      patterns_(new QComboBox(parent)),
      result_(new QLineEdit(parent)),
      preview_(new CLampPreview(parent)) {
    for (int id : kLampColourTextIds) {
        colours_->addItem(Tr(id));
    }
    for (int i = 0; i < LampPatternListSize(idle); ++i) {
        patterns_->addItem(Tr(LampPatternTextId(LampPatternAt(i, idle), idle)));
    }
    colours_->setCurrentIndex(choice.colour);
    patterns_->setCurrentIndex(choice.pattern);
    result_->setReadOnly(true);
    result_->setMaxLength(kResultFieldLength);
    result_->setMinimumWidth(result_->fontMetrics().horizontalAdvance(QString(22, '8')) + 12);
    connect(colours_, &QComboBox::currentIndexChanged, this, &CLampRow::ListChanged);
    connect(patterns_, &QComboBox::currentIndexChanged, this, &CLampRow::ListChanged);
    Show();
}

void CLampRow::AddTo(QGridLayout* grid, int row) {
    grid->addWidget(label_, row, 0);
    grid->addWidget(colours_, row, 1);
    grid->addWidget(patterns_, row, 2);
    grid->addWidget(result_, row, 3);
    grid->addWidget(preview_, row, 4);
}

void CLampRow::AddHeader(QWidget* parent, QGridLayout* grid, int row) {
    grid->addWidget(new QLabel(Tr(res::ids::kLampColorLabel), parent), row, 1);
    grid->addWidget(new QLabel(Tr(res::ids::kLampPatternLabel), parent), row, 2);
    grid->addWidget(new QLabel(Tr(res::ids::kLampResultLabel), parent), row, 3);
}

void CLampRow::Recompute() {
    state_.Recompute(*userPatterns_);
    Show();
}

void CLampRow::ListChanged() {
    state_.Select(LampRowChoice{colours_->currentIndex(), patterns_->currentIndex()},
                  *userPatterns_);
    Show();
}

void CLampRow::Show() {
    colours_->setEnabled(state_.ColourEnabled());
    const QString text = FromCp932(state_.Pattern());
    if (result_->text() != text) {
        result_->setText(text);
    }
    preview_->SetPattern(state_.Pattern(), state_.Idle());
}

}  // namespace morvik
