#pragma once
// The "EtherNet/IP Setting" dialog: IP address, subnet mask and default gateway as rows of four octet
// fields. The core keeps the fields' rules; OK stores the values in the parameter image.
#include <QDialog>
#include <array>

#include "core/service/EtherIpSet.h"

class QLabel;
class QPushButton;
class TOctetEdit;

class TEtherIpSetForm : public QDialog {
    Q_OBJECT
public:
    TEtherIpSetForm(ParameterImage& image, SMainFlags& flags, HostServices& host, QWidget* parent = nullptr);

private:
    void Render();
    void Button1Click();
    TOctetEdit* Edit(const SOctetField& field) const;

    CEtherIpSet ether_;
    std::array<QLabel*, ETHER_IP_ROWS> rowLabels_{};
    std::array<std::array<TOctetEdit*, ETHER_IP_OCTETS>, ETHER_IP_ROWS> edits_{};
    QPushButton* Button1;
};
