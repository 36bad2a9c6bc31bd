#pragma once
// Puts the plain state of one control into its Qt widget. Signals are blocked while a combo box is
// refilled so that rendering never looks like a user's choice.
#include "core/app/ControlState.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

void RenderControl(QWidget* widget, const ControlState& state);
void RenderLabel(QLabel* label, const TextState& state);
void RenderButton(QAbstractButton* button, const TextState& state);
void RenderCheck(QAbstractButton* box, const CheckState& state);
void RenderGroupBox(QGroupBox* box, const TextState& state);
void RenderEdit(QLineEdit* edit, const TextState& state);
void RenderCombo(QComboBox* combo, const ComboState& state);
void RenderMenuItem(QAction* action, const MenuItemState& state);
