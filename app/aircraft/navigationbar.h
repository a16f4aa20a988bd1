#pragma once

#include <QFrame>

class DataSource;
class QToolButton;

// The navigation bar of a data source: first, previous, next and last row, around an empty
// caption. Moving drops whatever was typed in the bound boxes and not yet saved, since every
// save has to pass the window's own checks. The moves stay on the rows (no position before
// the first or after the last), and the whole bar is disabled while the set is empty or a new
// row is being entered.
class NavigationBar : public QFrame
{
    Q_OBJECT

public:
    explicit NavigationBar(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);

    QToolButton *firstButton() const { return mFirst; }
    QToolButton *previousButton() const { return mPrevious; }
    QToolButton *nextButton() const { return mNext; }
    QToolButton *lastButton() const { return mLast; }

private:
    enum class Move { First, Previous, Next, Last };

    QToolButton *addButton(const QString &name, const QString &accessibleName, bool pointsLeft,
                           bool toEnd, Move move);
    void attach();
    void move(Move move);
    void updateState();

    DataSource *mSource = nullptr;
    QToolButton *mFirst = nullptr;
    QToolButton *mPrevious = nullptr;
    QToolButton *mNext = nullptr;
    QToolButton *mLast = nullptr;
};
