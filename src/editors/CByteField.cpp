#include "editors/CByteField.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "app/QtText.h"
#include "model/FunctionPageFields.h"

namespace morvik {
namespace {

// A several-line field's height: room for three lines.
constexpr int kMultiLineRows = 3;

std::string ToCrLf(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return ToCp932(lines);
}

QString FromCrLf(const std::string& cp932) {
    QString text = FromCp932(cp932);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

}  // namespace

CByteField::CByteField(bool multiLine, int limitBytes, QWidget* parent)
    : QObject(parent), limit_(limitBytes) {
    if (multiLine) {
        lines_ = new QPlainTextEdit(parent);
        lines_->setTabChangesFocus(true);
        lines_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        const int lineHeight = lines_->fontMetrics().lineSpacing();
        lines_->setFixedHeight(lineHeight * kMultiLineRows + 12);
        connect(lines_, &QPlainTextEdit::textChanged, this, &CByteField::OnChanged);
    } else {
        line_ = new QLineEdit(parent);
        connect(line_, &QLineEdit::textChanged, this, &CByteField::OnChanged);
    }
}

QWidget* CByteField::Widget() const {
    return line_ != nullptr ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(lines_);
}

std::string CByteField::Text() const {
    return line_ != nullptr ? ToCp932(line_->text()) : ToCrLf(lines_->toPlainText());
}

void CByteField::SetText(const std::string& cp932) {
    setting_ = true;
    if (line_ != nullptr) {
        line_->setText(FromCp932(cp932));
    } else {
        lines_->setPlainText(FromCrLf(cp932));
    }
    setting_ = false;
}

void CByteField::SetReadOnly(bool on) {
    if (line_ != nullptr) {
        line_->setReadOnly(on);
    } else {
        lines_->setReadOnly(on);
    }
}

void CByteField::OnChanged() {
    if (setting_) {
        return;
    }
    const std::string text = Text();
    if (static_cast<int>(text.size()) <= limit_) {
        emit Edited();
        return;
    }
    // Keep what fits, with the cursor where the user was typing (at the end of what stays).
    const std::string kept = Cp932Prefix(text, static_cast<std::size_t>(limit_));
    if (line_ != nullptr) {
        const int cursor = line_->cursorPosition();
        SetText(kept);
        line_->setCursorPosition(std::min(cursor, static_cast<int>(line_->text().size())));
    } else {
        SetText(kept);
        lines_->moveCursor(QTextCursor::End);
    }
    emit Edited();
    emit Full();
}

}  // namespace morvik
