#include "gui/service/TOctetEdit.h"

#include <QKeyEvent>

#include "gui/app/QtText.h"

TOctetEdit::TOctetEdit(const SOctetField& field, QWidget* parent) : QLineEdit(parent), field_(field) {
    setObjectName(QString::fromStdString(CEtherIpSet::FieldName(field)));
    setMaxLength(static_cast<int>(OCTET_MAX_LENGTH));
    setAlignment(Qt::AlignRight);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textEdited, this, &TOctetEdit::ApplyEditRule);
}

void TOctetEdit::FocusAtEnd() {
    setFocus(Qt::OtherFocusReason);
    deselect();
    setCursorPosition(static_cast<int>(text().size()));
}

void TOctetEdit::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && rules_.onArrow &&
        event->modifiers() == Qt::NoModifier) {
        const OctetArrow arrow = event->key() == Qt::Key_Left ? OctetArrow::Left : OctetArrow::Right;
        const int caret = hasSelectedText() ? -1 : cursorPosition();
        if (const auto to = rules_.onArrow(arrow, caret, static_cast<int>(text().size()))) {
            event->accept();
            Q_EMIT MoveFocus(*to);
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Shortcuts (paste, cut, undo) are the line edit's own; what they leave goes through the edit rule.
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int key = 0;
    if (event->key() == Qt::Key_Backspace) {
        key = KEY_BACKSPACE;
    } else if (event->key() == Qt::Key_Delete) {
        key = KEY_DELETE;
    } else if (event->text().size() == 1 && event->text()[0].isPrint()) {
        key = event->text()[0].unicode();
    }
    if (key == 0 || !rules_.onKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (ApplyKeyRule(key)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Runs the rule on the field as the key finds it and takes over the text and caret it leaves.
bool TOctetEdit::ApplyKeyRule(int key) {
    SAddressEditInput edit{FromQt(text()), hasSelectedText() ? selectionStart() : cursorPosition(),
                           hasSelectedText() ? static_cast<int>(selectedText().size()) : 0};
    const std::string before = edit.text;
    const bool swallowed = rules_.onKey(edit, key);
    if (edit.text != before) {
        setText(ToQt(edit.text));
        setCursorPosition(edit.caret);
        if (rules_.onText) rules_.onText(edit.text);
    }
    return swallowed;
}

// A paste or cut goes past the key rules: the field takes the text the edit rule leaves.
void TOctetEdit::ApplyEditRule(const QString& text) {
    if (!rules_.onEdited) return;
    SAddressEditInput edit{FromQt(text), cursorPosition(), 0};
    rules_.onEdited(edit);
    const QString shown = ToQt(edit.text);
    if (shown == text) return;
    setText(shown);
    setCursorPosition(edit.caret);
}

// Leaving the field for another control is its exit; a message box taking the keyboard is not.
void TOctetEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
    if (rules_.onExit && isVisible()) rules_.onExit();
}
