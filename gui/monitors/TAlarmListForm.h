#pragma once
// The "AlarmList" window: the unit's 64 alarm records in a grid, read when the window shows and on
// Refresh, Clear to empty the history in the unit, Save to write the list as a CSV file.
#include <QDialog>

#include "core/monitors/AlarmList.h"

class QPushButton;
class TListGrid;

class TAlarmListForm : public QDialog {
    Q_OBJECT
public:
    explicit TAlarmListForm(CSession& session, QWidget* parent = nullptr);

    const CAlarmList& List() const { return list_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Render();
    void LayOut();
    void bRefreshClick();
    void bClearClick();
    void bSaveClick();

    CAlarmList list_;
    bool readDone_ = false;
    TListGrid* StringGrid1;
    QPushButton *bRefresh, *bClear, *bSave;
};
