#include "frmcalc.h"

#include "calcglobals.h"
#include "calcwindowhook.h"

#include <olecolor.h>

#include <QApplication>
#include <QCloseEvent>
#include <qdrawutil.h>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <span>

namespace {

constexpr int twipsPerPixel = 15;
// A thin fixed frame around the keypad of 2415 x 1770 twips.
constexpr int frameWidth = 1;
constexpr int keypadWidthTwips = 2415;
constexpr int keypadHeightTwips = 1770;

int pixels(int twips)
{
    return qRound(double(twips) / twipsPerPixel);
}

QRect pixelRect(int left, int top, int width, int height)
{
    return {frameWidth + pixels(left), frameWidth + pixels(top), pixels(width), pixels(height)};
}

// A colour property of the control, when the control is there and the value is a colour.
std::optional<QColor> controlColor(const char *name)
{
    if (!gCalcControl)
        return std::nullopt;
    bool ok = false;
    const uint ole = gCalcControl->property(name).toUInt(&ok);
    const QColor color = ok ? OleColor::toColor(ole) : QColor();
    return color.isValid() ? std::optional(color) : std::nullopt;
}

void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

const char *roleProperty(CalcKeySpec::ColorRole role)
{
    switch (role) {
    case CalcKeySpec::ColorRole::Number:
        return "CalcNumberColor";
    case CalcKeySpec::ColorRole::Memory:
        return "CalcMemoryColor";
    case CalcKeySpec::ColorRole::Operator:
        return "CalcOpsColor";
    case CalcKeySpec::ColorRole::Cancel:
        return "CalcCancelColor";
    case CalcKeySpec::ColorRole::AdvancedOperator:
        return "CalcAdvOpsColor";
    }
    return "";
}

// The control's mouse pointer constants as pointer shapes.
std::optional<Qt::CursorShape> cursorShape(int pointer)
{
    switch (pointer) {
    case 1:
    case 4:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return std::nullopt;
    }
}

constexpr int customPointer = 99;

// A keyboard key as the hardware knows it, so that its release is matched with its press
// whatever the modifiers do in between.
quint32 physicalKey(const QKeyEvent *event)
{
    if (event->nativeScanCode() != 0)
        return event->nativeScanCode();
    return quint32(event->key()) | 0x80000000u;
}

} // namespace

QPointer<FrmCalc> FrmCalc::sInstance;

FrmCalc::FrmCalc(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmCalc"));
    setAccessibleName(tr("Calculatrice"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(pixels(keypadWidthTwips) + 2 * frameWidth,
                 pixels(keypadHeightTwips) + 2 * frameWidth);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QFont windowFont = QApplication::font();
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    mEngine.setOutputFormatSource([] {
        // Without a control there is no format to read: an out-of-range value leaves the
        // display as the evaluation wrote it.
        bool ok = false;
        const int format = gCalcControl ? gCalcControl->property("OutPutFormat").toInt(&ok) : -1;
        return ok ? format : -1;
    });
    buildKeypad();
}

FrmCalc::~FrmCalc()
{
    // Nothing may reach this window as a calculator while its widgets go.
    UnhookWindow(this);
    if (sInstance.data() == this)
        sInstance = nullptr;
    if (gCalcHwnd.data() == this)
        gCalcHwnd = nullptr;
}

FrmCalc *FrmCalc::instance(QWidget *owner)
{
    if (!sInstance)
        sInstance = new FrmCalc(owner ? owner->window() : nullptr);
    if (!sInstance->mLoaded)
        sInstance->load();
    return sInstance;
}

FrmCalc *FrmCalc::existing()
{
    return sInstance;
}

void FrmCalc::discard()
{
    if (!sInstance)
        return;
    FrmCalc *calculator = sInstance;
    sInstance = nullptr;
    calculator->unload();
    calculator->deleteLater();
}

void FrmCalc::HookWindow(QWidget *window)
{
    CalcWindowHook::HookWindow(window);
}

void FrmCalc::UnhookWindow(QWidget *window)
{
    CalcWindowHook::UnhookWindow(window);
}

void FrmCalc::buildKeypad()
{
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->setAccessibleName(tr("Mémoire"));
    lblMemory->setGeometry(pixelRect(15, 30, 405, 285));
    lblMemory->setAlignment(Qt::AlignCenter);
    lblMemory->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblMemory->setAutoFillBackground(true);

    for (const CalcKeySpec &entry : CalcKeySpec::keypad()) {
        auto *key = new QPushButton(QString::fromUtf8(entry.caption), this);
        key->setObjectName(QString::fromLatin1(entry.objectName));
        key->setAccessibleName(QString::fromUtf8(entry.accessibleName));
        key->setGeometry(pixelRect(entry.left, entry.top, entry.width, entry.height));
        key->setCheckable(true);
        key->setFocusPolicy(Qt::NoFocus);
        key->setAutoDefault(false);
        QFont keyFont = font();
        keyFont.setBold(entry.bold);
        key->setFont(keyFont);
        key->installEventFilter(this);
        mButtons.insert(&entry, key);
    }
}

QPushButton *FrmCalc::buttonOf(const CalcKeySpec &entry) const
{
    return mButtons.value(&entry);
}

QAbstractButton *FrmCalc::keyButton(const QString &objectName) const
{
    return findChild<QAbstractButton *>(objectName, Qt::FindDirectChildrenOnly);
}

void FrmCalc::load()
{
    for (auto it = mButtons.cbegin(); it != mButtons.cend(); ++it) {
        if (it.key()->key == CalcEngine::Key::Decimal)
            it.value()->setText(mEngine.decimalSeparator());
    }
    HookWindow(this);
    QString text = display();
    mEngine.load(text);
    setDisplay(text);
    applyControlColors();
    applyControlPointer();
    lblMemory->setText(QString());
    mHeldKeys.clear();
    mLoaded = true;
}

void FrmCalc::applyControlColors()
{
    // The layout's colours first, so that a colour the control cannot give stays as designed.
    setPalette(QPalette());
    lblMemory->setPalette(QPalette());
    setPaletteColor(lblMemory, QPalette::Window, OleColor::toColor(0xC0C0C0));
    for (auto it = mButtons.cbegin(); it != mButtons.cend(); ++it) {
        it.value()->setPalette(QPalette());
        setPaletteColor(it.value(), QPalette::ButtonText, OleColor::toColor(it.key()->designColor));
    }

    if (const auto back = controlColor("CalcBackColor"))
        setPaletteColor(this, QPalette::Window, *back);
    for (auto it = mButtons.cbegin(); it != mButtons.cend(); ++it) {
        if (const auto text = controlColor(roleProperty(it.key()->role)))
            setPaletteColor(it.value(), QPalette::ButtonText, *text);
        if (const auto back = controlColor("CalcButtonColor"))
            setPaletteColor(it.value(), QPalette::Button, *back);
    }
    if (const auto back = controlColor("CalcMemStatBackColor"))
        setPaletteColor(lblMemory, QPalette::Window, *back);
    if (const auto text = controlColor("CalcMemStatColor"))
        setPaletteColor(lblMemory, QPalette::WindowText, *text);
}

void FrmCalc::applyControlPointer()
{
    unsetCursor();
    if (!gCalcControl)
        return;
    const int pointer = gCalcControl->property("CalcMousePointer").toInt();
    if (pointer == customPointer) {
        const QPixmap icon = gCalcControl->property("CalcMouseIcon").value<QPixmap>();
        if (!icon.isNull())
            setCursor(QCursor(icon));
    } else if (const auto shape = cursorShape(pointer)) {
        setCursor(*shape);
    }
}

QString FrmCalc::display() const
{
    return gTextBox ? gTextBox->text() : mOwnDisplay;
}

void FrmCalc::setDisplay(const QString &text)
{
    if (!gTextBox) {
        mOwnDisplay = text;
        return;
    }
    if (gTextBox->text() != text)
        gTextBox->setText(text);
}

bool FrmCalc::showModeless(const QPoint &topLeft)
{
    move(topLeft);
    show();
    raise();
    activateWindow();
    setFocus();
    return isVisible();
}

void FrmCalc::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    setFocus();
    QPointer<FrmCalc> self(this);
    while (self && self->isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (self)
        setWindowModality(Qt::NonModal);
}

void FrmCalc::unload()
{
    gDropped = false;
    hide();
    mLoaded = false;
    mEngine.unload();
    mHeldKeys.clear();
    for (QPushButton *key : std::as_const(mButtons))
        key->setChecked(false);
}

void FrmCalc::ProcMsg(int umsg, int wParam, QWidget *activated)
{
    if (umsg == CalcWindowHook::WM_ACTIVATE) {
        if ((wParam & 0xFFFF) == CalcWindowHook::WA_INACTIVE && activated != this) {
            gDropped = false;
            hide();
            gButton.mblnButton = true;
        }
    } else if (umsg == CalcWindowHook::WM_RBUTTONDOWN) {
        gDropped = false;
        unload();
        gButton.mblnButton = true;
    }
}

void FrmCalc::chkOperator_MouseUp(int index, int button)
{
    QString text = display();
    const bool close = mEngine.chkOperator_MouseUp(index, button, text);
    setDisplay(text);
    if (close)
        unload();
}

// ---- Keys under the mouse

bool FrmCalc::eventFilter(QObject *watched, QEvent *event)
{
    for (auto it = mButtons.cbegin(); it != mButtons.cend(); ++it) {
        if (it.value() == watched)
            return keyMouseEvent(it.value(), *it.key(), event);
    }
    return QWidget::eventFilter(watched, event);
}

bool FrmCalc::keyMouseEvent(QPushButton *key, const CalcKeySpec &entry, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            PressButton(key);
        return true; // other buttons do nothing, on the key or behind it
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        TrackButton(key, mouse->buttons(), mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            ReleaseButton(key);
            keyUp(entry);
        }
        return true;
    default:
        return false;
    }
}

void FrmCalc::PressButton(QAbstractButton *key)
{
    if (key)
        key->setChecked(true);
}

void FrmCalc::ReleaseButton(QAbstractButton *key)
{
    if (key)
        key->setChecked(false);
}

void FrmCalc::TrackButton(QAbstractButton *key, Qt::MouseButtons buttons, const QPoint &position)
{
    if (!(buttons & Qt::LeftButton))
        return;
    // Qt keeps the mouse with the key while the button is held.
    if (position.x() > key->width() || position.x() < 0 || position.y() > key->height() ||
        position.y() < 0)
        ReleaseButton(key);
    else
        PressButton(key);
}

void FrmCalc::keyUp(const CalcKeySpec &entry)
{
    QString text = display();
    const bool close = mEngine.keyUp(entry.key, entry.index, CalcEngine::LeftButton, text);
    setDisplay(text);
    lblMemory->setText(mEngine.memoryIndicator());
    if (close) {
        gDropped = false;
        unload();
    }
}

// ---- Keys from the keyboard

void FrmCalc::keyPressEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    const CalcKeySpec *entry = CalcKeySpec::forKeyCode(event->key(), control);
    if (!entry && !control && event->text().size() == 1)
        entry = CalcKeySpec::forCharacter(event->text().at(0));
    if (!entry) {
        QWidget::keyPressEvent(event);
        return;
    }
    mHeldKeys.insert(physicalKey(event), entry);
    PressButton(buttonOf(*entry));
}

void FrmCalc::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    // Each keypad key acts once, at the release of the keyboard key that pressed it; a key
    // that pressed none (Shift, Ctrl, an arrow) does nothing.
    const CalcKeySpec *entry = mHeldKeys.take(physicalKey(event));
    if (!entry) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    ReleaseButton(buttonOf(*entry));
    keyUp(*entry);
}

// ---- The window

void FrmCalc::mouseMoveEvent(QMouseEvent *event)
{
    gButton.mblnButton = true;
    QWidget::mouseMoveEvent(event);
}

void FrmCalc::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, frameWidth);
    // The calculator stays in front while it is open.
    if (isVisible() && !isActiveWindow())
        activateWindow();
}

void FrmCalc::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}
