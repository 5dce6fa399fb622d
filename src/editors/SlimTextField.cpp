#include "editors/SlimTextField.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "app/QtText.h"

namespace morvik {
namespace {

// Rows a multi-line field shows whole; the longest (データ2) holds 100 bytes.
constexpr int kMultiLineRows = 3;

QString ToWidget(const std::string& cp932) {
    QString text = FromCp932(cp932);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string FromWidget(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToCp932(lines);
}

bool FitsCodePage(const QString& text) {
    return FromCp932(ToCp932(text)) == text;
}

}  // namespace

SlimTextField::SlimTextField(const SlimFieldSpec& entry, QWidget* parent)
    : QObject(parent), spec_(entry) {
    if (entry.multiLine) {
        lines_ = new QPlainTextEdit(parent);
        // Tab moves on to the next control; a line break is typed with Enter.
        lines_->setTabChangesFocus(true);
        lines_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        const int row = lines_->fontMetrics().lineSpacing();
        const int margins =
            2 * (lines_->frameWidth() + static_cast<int>(lines_->document()->documentMargin()));
        lines_->setFixedHeight(row * kMultiLineRows + margins + 2);
        connect(lines_, &QPlainTextEdit::textChanged, this, &SlimTextField::OnEdited);
    } else {
        line_ = new QLineEdit(parent);
        connect(line_, &QLineEdit::textChanged, this, &SlimTextField::OnEdited);
    }
}

QWidget* SlimTextField::Widget() const {
    return line_ != nullptr ? static_cast<QWidget*>(line_) : lines_;
}

QString SlimTextField::Current() const {
    return line_ != nullptr ? line_->text() : lines_->toPlainText();
}

std::string SlimTextField::Text() const {
    return FromWidget(Current());
}

void SlimTextField::SetText(const std::string& cp932) {
    setting_ = true;
    const QString text = ToWidget(cp932);
    if (line_ != nullptr) {
        line_->setText(text);
    } else {
        lines_->setPlainText(text);
    }
    accepted_ = text;
    acceptedCursor_ = static_cast<int>(text.size());
    setting_ = false;
    emit Changed();
}

void SlimTextField::Restore() {
    setting_ = true;
    if (line_ != nullptr) {
        line_->setText(accepted_);
        line_->setCursorPosition(acceptedCursor_);
    } else {
        lines_->setPlainText(accepted_);
        QTextCursor cursor = lines_->textCursor();
        cursor.setPosition(std::min(acceptedCursor_, static_cast<int>(accepted_.size())));
        lines_->setTextCursor(cursor);
    }
    setting_ = false;
}

void SlimTextField::OnEdited() {
    if (setting_) {
        return;
    }
    const QString text = Current();
    if (!FitsCodePage(text)) {
        Restore();
        QApplication::beep();
        return;
    }
    if (static_cast<int>(FromWidget(text).size()) > spec_.limit) {
        Restore();
        emit LimitReached(spec_.field);
        return;
    }
    accepted_ = text;
    acceptedCursor_ = line_ != nullptr ? line_->cursorPosition() : lines_->textCursor().position();
    emit Changed();
}

}  // namespace morvik
