#pragma once
// The strip above `StringGrid1`: the column-group title panels ("Size", "4W", "8W", ...), each exactly as
// wide as the grid columns it stands for, and under them the slot-count combo boxes of those groups.
#include <QWidget>
#include <vector>

class TStringGrid;

class TAxisGroupHeader : public QWidget {
    Q_OBJECT
public:
    explicit TAxisGroupHeader(QWidget* parent = nullptr);

    // A widget placed over grid columns first..last, in row 0 (titles) or row 1 (combo boxes).
    void Place(QWidget* widget, int row, int firstColumn, int lastColumn);
    void Clear();
    // Puts every placed widget over its columns of `grid` and takes the height the shown ones need.
    void Arrange(const TStringGrid& grid);

private:
    struct SPlacement {
        QWidget* widget;
        int row;
        int firstColumn;
        int lastColumn;
    };
    std::vector<SPlacement> placements_;
};
