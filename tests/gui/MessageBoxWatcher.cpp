#include "tests/gui/MessageBoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

CMessageBoxWatcher::CMessageBoxWatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
}

void CMessageBoxWatcher::Poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible()) continue;
        QPushButton* preset = box->defaultButton();
        seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                        preset != nullptr ? box->standardButton(preset) : QMessageBox::NoButton,
                        box->informativeText().toStdString()});
        if (answers.empty()) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            box->button(answers.front())->click();
            answers.pop_front();
        }
        return;
    }
}
