#pragma once
// One octet field of the EtherNet/IP setting dialog: its keys, its arrows and the loss of focus go to
// the core's octet rules; the field itself only shows the text and caret the rules leave.
#include <QLineEdit>
#include <functional>
#include <string>

#include "core/params/edit/FieldEditing.h"
#include "core/service/EtherIpSet.h"

class TOctetEdit : public QLineEdit {
    Q_OBJECT
public:
    struct SRules {
        // A typed character (or KEY_BACKSPACE) and the Delete key: true when the key is swallowed.
        std::function<bool(SAddressEditInput& edit, int key)> onKey;
        // An arrow key: the field to move to, or nothing.
        std::function<std::optional<SOctetField>(OctetArrow arrow, int caret, int length)> onArrow;
        // The text a key rule left.
        std::function<void(const std::string& text)> onText;
        // Any edit of the user's (typing, a paste, a cut, a drop, an undo): `edit` is left as the field
        // must show it.
        std::function<void(SAddressEditInput& edit)> onEdited;
        std::function<void()> onExit;
    };
    static constexpr int KEY_DELETE = 127;

    TOctetEdit(const SOctetField& field, QWidget* parent);
    void SetRules(SRules rules) { rules_ = std::move(rules); }
    const SOctetField& Field() const { return field_; }

    // Puts the focus here with the caret after the text.
    void FocusAtEnd();

Q_SIGNALS:
    void MoveFocus(SOctetField to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool ApplyKeyRule(int key);
    void ApplyEditRule(const QString& text);

    SOctetField field_;
    SRules rules_;
};
