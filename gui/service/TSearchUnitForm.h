#pragma once
// The "Connection Check" dialog at start: one timer tick a second after it opens runs the core's unit
// search; the window shows the unit being tried, the units found and the status text. It has no close
// box and no Escape: OK, enabled once the search has ended, is the only way out.
#include <QDialog>
#include <QTimer>

#include "core/service/SearchUnit.h"

class QComboBox;
class QLabel;
class QPushButton;

class TSearchUnitForm : public QDialog {
    Q_OBJECT
public:
    TSearchUnitForm(CCommUnit& link, HostServices& host, SMainFlags& mainFlags, const SGWCommunicate& comm,
                    UnitAxisSlotTable& unitAxisSlots, QWidget* parent = nullptr);

    const SSearchUnitResult& Result() const { return result_; }
    const CSearchUnit& Search() const { return search_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Render();
    void Timer1Timer();
    void Button1Click();

    CSearchUnit search_;
    SSearchUnitResult result_;
    bool closing_ = false;
    QTimer Timer1;
    QLabel *Label1, *Label2, *Label3;
    QComboBox* cbUnitNoSel;
    QPushButton* Button1;
};
