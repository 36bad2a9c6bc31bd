#include "gui/app/CQtHost.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/app/MessageBoxLook.h"
#include "gui/app/QtText.h"

namespace {
QMessageBox::Icon QtIconOf(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::Error:
            return QMessageBox::Critical;
        case MessageBoxIcon::Question:
            return QMessageBox::Question;
        case MessageBoxIcon::Warning:
            return QMessageBox::Warning;
        case MessageBoxIcon::Information:
            return QMessageBox::Information;
        case MessageBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

int CQtHost::ShowMessageBox(std::string_view text, unsigned style) {
    return ShowMessageBoxWithDetail(text, style, {});
}

int CQtHost::ShowMessageBoxWithDetail(std::string_view text, unsigned style, std::string_view detail) {
    const SMessageBoxLook look = DescribeMessageBox(style);
    QMessageBox box(QtIconOf(look.icon), ToQt(look.caption), ToQt(text), QMessageBox::NoButton, owner_);
    box.setObjectName("MessageBox");
    if (!detail.empty()) box.setInformativeText(ToQt(detail));
    if (look.saveDiscardCancel) {
        QPushButton* save = box.addButton(QMessageBox::Save);
        QPushButton* discard = box.addButton(QMessageBox::Discard);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == save ? ID_YES : box.clickedButton() == discard ? ID_NO : ID_CANCEL;
    }
    if (look.yesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(look.defaultButton == ID_NO ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? ID_YES : ID_NO;
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return ID_OK;
}

void CQtHost::ProcessPendingEvents() {
    if (pumpHook_) pumpHook_();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CQtHost::AdvanceProgress(int step) {
    if (progressBar_) progressBar_->setValue(progressBar_->value() + step);
}

void CQtHost::SetProgress(int value) {
    if (progressBar_) progressBar_->setValue(value);
}
