#pragma once
// The communication settings dialog: the PC's COM port (with the device path beside the ports that
// exist) and the speed towards the gateway. OK asks before it takes a change over; Cancel and Escape
// change nothing.
#include <QDialog>
#include <map>
#include <string>

#include "core/app/CommunicationSettingState.h"

class QComboBox;
class QLabel;
class QPushButton;

class TCommunicationSetting : public QDialog {
    Q_OBJECT
public:
    TCommunicationSetting(SGWCommunicate& comm, const std::map<int, std::string>& portOverrides,
                          HostServices& host, QWidget* parent = nullptr);

    const SCommunicationSettingState& State() const { return state_; }
    // What OK did; all false after Cancel.
    const SCommunicationSettingResult& Result() const { return result_; }

private:
    void Ok();

    SGWCommunicate& comm_;
    HostServices& host_;
    SCommunicationSettingState state_;
    SCommunicationSettingResult result_;
    QLabel *Label1, *Label2;
    QComboBox *ComboBox_COM_PORT, *ComboBox1;
    QPushButton *BitBtn1, *BitBtn2;
};
