#pragma once
// How a message box of a given style looks: caption, icon, buttons and the button Enter answers.
// The desktop window and the command line front end both draw their boxes from this one rule.
#include <string>

enum class MessageBoxIcon { None, Error, Question, Warning, Information };

struct SMessageBoxLook {
    std::string caption;  // chosen from the icon bits alone
    MessageBoxIcon icon = MessageBoxIcon::None;
    bool yesNo = false;     // Yes and No; otherwise OK only
    bool saveDiscardCancel = false;  // Save, Discard and Cancel (answering ID_YES, ID_NO, ID_CANCEL)
    int defaultButton = 0;  // ID_OK, ID_YES or ID_NO: the answer to Enter (Save for the three)
};

SMessageBoxLook DescribeMessageBox(unsigned style);
