#pragma once
// The EtherCAT station address field `edDADR`: every key and the loss of focus go to the core's
// address rules; the field itself only shows the text and caret the rules leave.
#include <QLineEdit>
#include <functional>
#include <string>

// Key codes handed to the rules: the character for typed keys, these for the editing keys.
inline constexpr int ADDRESS_KEY_BACKSPACE = 8;
inline constexpr int ADDRESS_KEY_DELETE = 127;

class TAddressEdit : public QLineEdit {
    Q_OBJECT
public:
    using KeyRule = std::function<bool(int key, std::string& text, int& caret, int& selectionLength)>;
    using ExitRule = std::function<void()>;
    using TextChanged = std::function<void(const std::string& text)>;
    using FocusChanged = std::function<void(bool hasFocus)>;

    explicit TAddressEdit(QWidget* parent = nullptr);
    void SetRules(KeyRule onKey, ExitRule onExit, TextChanged onText, FocusChanged onFocus);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    KeyRule onKey_;
    ExitRule onExit_;
    TextChanged onText_;
    FocusChanged onFocus_;
};
