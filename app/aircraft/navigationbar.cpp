#include "navigationbar.h"

#include "datasource.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {
constexpr int iconSide = 12;

// A triangle pointing left or right, with a bar at its tip for the moves to an end.
QIcon arrowIcon(bool pointsLeft, bool toEnd, const QColor &color)
{
    QPixmap pixmap(iconSide, iconSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal tip = pointsLeft ? 2.5 : iconSide - 2.5;
    const qreal base = pointsLeft ? iconSide - 2.5 : 2.5;
    QPainterPath triangle;
    triangle.moveTo(tip, iconSide / 2.0);
    triangle.lineTo(base, 2);
    triangle.lineTo(base, iconSide - 2);
    triangle.closeSubpath();
    painter.drawPath(triangle);
    if (toEnd)
        painter.drawRect(QRectF(pointsLeft ? 0.5 : iconSide - 2.5, 2, 2, iconSide - 4));
    return QIcon(pixmap);
}
} // namespace

NavigationBar::NavigationBar(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    mFirst = addButton(QStringLiteral("First"), QStringLiteral("Premier"), true, true, Move::First);
    mPrevious = addButton(QStringLiteral("Previous"), QStringLiteral("Précédent"), true, false,
                          Move::Previous);
    layout->addStretch(); // the caption, left empty
    mNext = addButton(QStringLiteral("Next"), QStringLiteral("Suivant"), false, false, Move::Next);
    mLast = addButton(QStringLiteral("Last"), QStringLiteral("Dernier"), false, true, Move::Last);
    updateState();
}

QToolButton *NavigationBar::addButton(const QString &name, const QString &accessibleName,
                                      bool pointsLeft, bool toEnd, Move move)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(iconSide, iconSide));
    button->setIcon(arrowIcon(pointsLeft, toEnd, palette().color(QPalette::ButtonText)));
    connect(button, &QToolButton::clicked, this, [this, move] { this->move(move); });
    layout()->addWidget(button);
    return button;
}

void NavigationBar::setDataSource(DataSource *source)
{
    mSource = source;
    connect(source, &DataSource::refreshed, this, &NavigationBar::attach);
    attach();
}

// Each refresh opens a new record set: follow its moves and edits.
void NavigationBar::attach()
{
    connect(&mSource->recordset(), &Recordset::currentChanged, this, &NavigationBar::updateState);
    updateState();
}

void NavigationBar::move(Move move)
{
    Recordset &set = mSource->recordset();
    if (set.editMode() == Recordset::EditMode::AddNew || set.recordCount() == 0)
        return;
    const int position = set.absolutePosition();
    switch (move) {
    case Move::First:
        set.moveFirst();
        break;
    case Move::Previous:
        if (position > 0)
            set.movePrevious();
        break;
    case Move::Next:
        if (position < set.recordCount() - 1)
            set.moveNext();
        break;
    case Move::Last:
        set.moveLast();
        break;
    }
}

void NavigationBar::updateState()
{
    if (!mSource) {
        setEnabled(false);
        return;
    }
    const Recordset &set = mSource->recordset();
    const int count = set.recordCount();
    setEnabled(set.editMode() != Recordset::EditMode::AddNew && count > 0);
    const int position = set.absolutePosition();
    mFirst->setEnabled(position > 0);
    mPrevious->setEnabled(position > 0);
    mNext->setEnabled(position < count - 1);
    mLast->setEnabled(position < count - 1);
}
