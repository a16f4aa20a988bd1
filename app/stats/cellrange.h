#pragma once

#include <QString>

// A cell or a rectangle of cells written the spreadsheet's way ("a1", "B2:b10"), held as
// zero-based rows and columns.
class CellRange
{
public:
    // An invalid range when the text is no address of the sheet.
    static CellRange parse(const QString &address);

    bool isValid() const { return mValid; }
    int firstRow() const { return mFirstRow; }
    int firstColumn() const { return mFirstColumn; }
    int lastRow() const { return mLastRow; }
    int lastColumn() const { return mLastColumn; }

    // The range as a formula reference on a sheet: =Feuil1!$A$1:$A$3.
    QString reference(const QString &sheet) const;
    // One column or one row of the range, as a range of its own.
    CellRange column(int column) const;
    CellRange row(int row) const;

private:
    static bool parseCell(const QString &text, int &row, int &column);
    static QString columnName(int column);

    bool mValid = false;
    int mFirstRow = 0;
    int mFirstColumn = 0;
    int mLastRow = 0;
    int mLastColumn = 0;
};
