#include "gui/params/ControlRendering.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/app/QtText.h"

namespace {
const QColor kButtonFaceColour(0xF0, 0xF0, 0xF0);
}

void RenderControl(QWidget* widget, const ControlState& state) {
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
}

void RenderLabel(QLabel* label, const TextState& state) {
    label->setText(ToQt(state.text));
    RenderControl(label, state);
}

void RenderButton(QAbstractButton* button, const TextState& state) {
    button->setText(ToQt(state.text));
    RenderControl(button, state);
}

void RenderCheck(QAbstractButton* box, const CheckState& state) {
    const QSignalBlocker quiet(box);
    box->setText(ToQt(state.text));
    box->setChecked(state.checked);
    RenderControl(box, state);
}

void RenderGroupBox(QGroupBox* box, const TextState& state) {
    box->setTitle(ToQt(state.text));
    RenderControl(box, state);
}

void RenderEdit(QLineEdit* edit, const TextState& state) {
    if (edit->text() != ToQt(state.text)) edit->setText(ToQt(state.text));
    RenderControl(edit, state);
}

void RenderCombo(QComboBox* combo, const ComboState& state) {
    const QSignalBlocker quiet(combo);
    QStringList items;
    for (const auto& item : state.items) items << ToQt(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(state.index >= 0 && state.index < combo->count() ? state.index : -1);
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Base, state.grey ? kButtonFaceColour : QColor(Qt::white));
    palette.setColor(QPalette::Button, state.grey ? kButtonFaceColour : QColor(Qt::white));
    combo->setPalette(palette);
    RenderControl(combo, state);
}

void RenderMenuItem(QAction* action, const MenuItemState& state) {
    action->setText(ToQt(state.caption));
    action->setEnabled(state.enabled);
    action->setVisible(state.visible);
}
