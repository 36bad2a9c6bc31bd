#include "gui/params/TAddressEdit.h"

#include <QKeyEvent>

#include "gui/app/QtText.h"

namespace {
int RuleKeyOf(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return ADDRESS_KEY_BACKSPACE;
    if (event.key() == Qt::Key_Delete) return ADDRESS_KEY_DELETE;
    const QString text = event.text();
    if (text.size() == 1 && text[0].isPrint()) return text[0].unicode();
    return 0;  // navigation and other keys are the field's own business
}
}  // namespace

TAddressEdit::TAddressEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName("edDADR");
    setMaxLength(5);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TAddressEdit::SetRules(KeyRule onKey, ExitRule onExit, TextChanged onText, FocusChanged onFocus) {
    onKey_ = std::move(onKey);
    onExit_ = std::move(onExit);
    onText_ = std::move(onText);
    onFocus_ = std::move(onFocus);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (onText_) onText_(FromQt(text));
    });
}

void TAddressEdit::keyPressEvent(QKeyEvent* event) {
    const int key = RuleKeyOf(*event);
    if (key == 0 || !onKey_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    std::string text = FromQt(this->text());
    int caret = cursorPosition();
    int selectionLength = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    if (hasSelectedText()) caret = selectionStart();
    const std::string before = text;
    const bool consumed = onKey_(key, text, caret, selectionLength);
    if (text != before) {
        setText(ToQt(text));
        setCursorPosition(caret);
        if (onText_) onText_(text);
    }
    if (consumed) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TAddressEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (onFocus_) onFocus_(true);
}

// Leaving the field for another control is its exit. A menu or a message box taking the keyboard for a
// moment is not: the field keeps the focus of its window (the menus commit it themselves).
void TAddressEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
    if (onFocus_) onFocus_(false);
    if (onExit_ && isVisible()) onExit_();
}
