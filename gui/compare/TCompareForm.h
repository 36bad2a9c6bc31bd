#pragma once
// The compare window: the fields in which the window's parameter set and the unit's (or a file's)
// differ, side by side, with a button that takes the other set and one that keeps the window's.
// `exec()` returns QDialog::Accepted when the user takes the other set.
#include <QDialog>

#include "core/compare/CompareFormState.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TCompareForm : public QDialog {
    Q_OBJECT
public:
    explicit TCompareForm(const SCompareFormState& state, QWidget* parent = nullptr);

private:
    void FillTable(const GridState& grid);

    QLabel* lblSummary;
    QTableWidget* sgDifferences;
    QPushButton* btnTake;
    QPushButton* btnKeep;
};
