#include "editors/CByteField.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <optional>

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "model/Cp932.h"
#include "model/Cp932Exact.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// Rows a several-line field shows whole; the longest (データ2) holds 100 bytes.
constexpr int kMultiLineRows = 3;
// How many of the refused characters the message names.
constexpr qsizetype kNamedCharacters = 8;

QString WithCrLf(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lines;
}

QString WithLf(const std::string& cp932) {
    QString text = FromCp932(cp932);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// Code page 932 of a shown text (line breaks CR LF), character by character, so that one
// character the code page lacks does not take the rest with it.
std::string ToBytes(const QString& text) {
    return Utf8ToCp932Marked(WithCrLf(text).toStdString());
}

// The characters of text that code page 932 lacks, each once.
QString Unencodable(const QString& text) {
    QString found;
    for (qsizetype i = 0; i < text.size() && found.size() < kNamedCharacters; ++i) {
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, width);
        if (!Utf8ToCp932(one.toStdString()) && !found.contains(one)) {
            found += one;
        }
        i += width - 1;
    }
    return found;
}

// The longest start of cp932 that fits in room bytes: whole characters, and a CR LF whole or not.
std::string FittingStart(const std::string& cp932, std::size_t room) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        std::size_t next = end + (IsCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1);
        if (cp932[end] == '\r' && end + 1 < cp932.size() && cp932[end + 1] == '\n') {
            next = end + 2;
        }
        if (next > room || next > cp932.size()) {
            break;
        }
        end = next;
    }
    return cp932.substr(0, end);
}

}  // namespace

CByteField::CByteField(bool multiLine, int limitBytes, QString lengthMessage, QWidget* parent)
    : QObject(parent), limit_(limitBytes), lengthMessage_(std::move(lengthMessage)) {
    if (multiLine) {
        lines_ = new QPlainTextEdit(parent);
        // Tab moves on to the next control; a line break is typed with Enter.
        lines_->setTabChangesFocus(true);
        lines_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        const int row = lines_->fontMetrics().lineSpacing();
        const int margins =
            2 * (lines_->frameWidth() + static_cast<int>(lines_->document()->documentMargin()));
        lines_->setFixedHeight(row * kMultiLineRows + margins + 2);
        connect(lines_, &QPlainTextEdit::textChanged, this, &CByteField::OnChanged);
    } else {
        line_ = new QLineEdit(parent);
        connect(line_, &QLineEdit::textChanged, this, &CByteField::OnChanged);
    }
}

QWidget* CByteField::Widget() const {
    return line_ != nullptr ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(lines_);
}

QString CByteField::Current() const {
    return line_ != nullptr ? line_->text() : lines_->toPlainText();
}

std::string CByteField::Text() const {
    return ToBytes(Current());
}

void CByteField::SetText(const std::string& cp932) {
    const QString text = line_ != nullptr ? FromCp932(cp932) : WithLf(cp932);
    Show(text, static_cast<int>(text.size()));
    accepted_ = text;
    acceptedCursor_ = static_cast<int>(text.size());
}

void CByteField::SetReadOnly(bool on) {
    if (line_ != nullptr) {
        line_->setReadOnly(on);
    } else {
        lines_->setReadOnly(on);
    }
}

void CByteField::Show(const QString& text, int cursor) {
    setting_ = true;
    cursor = std::clamp(cursor, 0, static_cast<int>(text.size()));
    if (line_ != nullptr) {
        line_->setText(text);
        line_->setCursorPosition(cursor);
    } else {
        lines_->setPlainText(text);
        QTextCursor position = lines_->textCursor();
        position.setPosition(cursor);
        lines_->setTextCursor(position);
    }
    setting_ = false;
}

void CByteField::OnChanged() {
    if (setting_) {
        return;
    }
    const QString text = Current();
    const qsizetype cursor =
        line_ != nullptr ? line_->cursorPosition() : lines_->textCursor().position();
    // The edit: what stands between the unchanged start and the unchanged end (the cursor
    // stands at the end of what was typed or pasted).
    const qsizetype shorter = std::min(text.size(), accepted_.size());
    qsizetype suffix = 0;
    while (suffix < shorter && suffix < text.size() - cursor &&
           text[text.size() - 1 - suffix] == accepted_[accepted_.size() - 1 - suffix]) {
        ++suffix;
    }
    qsizetype prefix = 0;
    while (prefix < shorter - suffix && text[prefix] == accepted_[prefix]) {
        ++prefix;
    }
    const QString head = text.left(prefix);
    const QString tail = text.right(suffix);
    const QString inserted = text.mid(prefix, text.size() - prefix - suffix);

    if (const QString refused = Unencodable(inserted); !refused.isEmpty()) {
        Show(accepted_, acceptedCursor_);
        emit Refused(QString::fromStdString(res::Format(
            res::Text(res::ids::kAppCharacterNotForTerminal), refused.toUtf8().constData())));
        return;
    }
    // What the terminal will get of the edit, shown as it will be read back.
    const std::string bytes = ToBytes(inserted);
    const std::size_t kept = ToBytes(head).size() + ToBytes(tail).size();
    const std::size_t before = ToBytes(accepted_).size();
    // A text set past the limit may lose characters, never gain them.
    const std::size_t ceiling = std::max(static_cast<std::size_t>(limit_), before);
    const bool tooLong = kept + bytes.size() > ceiling;
    const std::string taken =
        tooLong ? FittingStart(bytes, ceiling > kept ? ceiling - kept : 0) : bytes;
    const QString shown = WithLf(taken);
    const QString result = head + shown + tail;
    if (result != text) {
        Show(result, static_cast<int>(prefix + shown.size()));
    }
    if (result != accepted_) {
        accepted_ = result;
        acceptedCursor_ = static_cast<int>(prefix + shown.size());
        emit Edited();
    } else {
        acceptedCursor_ = static_cast<int>(prefix + shown.size());
    }
    if (tooLong) {
        emit Refused(lengthMessage_);
    }
}

}  // namespace morvik
