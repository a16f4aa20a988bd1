#include "qelcbcalc.h"

#include "calcglobals.h"
#include "calcplacement.h"
#include "controlmember.h"
#include "frmabout.h"
#include "frmcalc.h"
#include "general.h"
#include "numbertext.h"
#include "orvaneids.h"
#include "textentry.h"

#include <controlsite.h>
#include <olecolor.h>
#include <propertybag.h>
#include <propertypage.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QResizeEvent>

#include <optional>

namespace {

int sAlive = 0;

constexpr int twipsPerPixel = CalcPlacement::twipsPerPixel;

int twipsToPixels(double twips)
{
    return qRound(twips / twipsPerPixel);
}

// Readers for the property bag: each gives nothing when the stored value has the wrong type,
// so that the step is skipped.
std::optional<qint64> readInteger(const PropertyBag &bag, const char *name, qint64 fallback)
{
    const QVariant value = bag.read(QLatin1String(name), fallback);
    const int type = value.metaType().id();
    if (type == QMetaType::Bool || type == QMetaType::QString || !value.canConvert<qint64>())
        return std::nullopt;
    bool ok = false;
    const qint64 result = value.toLongLong(&ok);
    return ok ? std::optional(result) : std::nullopt;
}

std::optional<uint> readColor(const PropertyBag &bag, const char *name, uint fallback)
{
    const auto value = readInteger(bag, name, fallback);
    if (!value || *value < INT32_MIN || *value > UINT32_MAX)
        return std::nullopt;
    return uint(*value);
}

std::optional<bool> readBool(const PropertyBag &bag, const char *name, bool fallback)
{
    const QVariant value = bag.read(QLatin1String(name), fallback);
    if (value.metaType().id() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

std::optional<double> readDouble(const PropertyBag &bag, const char *name, double fallback)
{
    const QVariant value = bag.read(QLatin1String(name), fallback);
    const int type = value.metaType().id();
    if (type == QMetaType::Bool || type == QMetaType::QString || !value.canConvert<double>())
        return std::nullopt;
    bool ok = false;
    const double result = value.toDouble(&ok);
    return ok ? std::optional(result) : std::nullopt;
}

std::optional<QPixmap> readPicture(const PropertyBag &bag, const char *name,
                                   const QPixmap &fallback)
{
    const QVariant value = bag.read(QLatin1String(name), fallback.toImage());
    if (value.metaType().id() == QMetaType::QImage)
        return QPixmap::fromImage(value.value<QImage>());
    if (value.metaType().id() == QMetaType::QPixmap)
        return value.value<QPixmap>();
    return std::nullopt;
}

std::optional<QFont> readFont(const PropertyBag &bag, const char *name, const QFont &fallback)
{
    const QVariant value = bag.read(QLatin1String(name), fallback);
    if (value.metaType().id() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    if (value.metaType().id() == QMetaType::QString && font.fromString(value.toString()))
        return font;
    return std::nullopt;
}

QImage imageOf(const QPixmap &picture)
{
    return picture.isNull() ? QImage() : picture.toImage();
}

} // namespace

QelCbCalc::QelCbCalc(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    ++sAlive;
    readLocale();
    mFont = ui.txtCalc->font();
    ui.cmdDrop->setPicture(DropButton::arrowBitmap());
    gButton.mblnButton = true;
    setFocusProxy(ui.txtCalc);
    connect(ui.cmdDrop, &DropButton::leftPressed, this, &QelCbCalc::onDropPressed);
    connect(ui.cmdDrop, &DropButton::leftMoved, this, &QelCbCalc::onDropMoved);
    connect(ui.cmdDrop, &DropButton::leftReleased, this, &QelCbCalc::onDropReleased);
    mTextEntry = std::make_unique<TextEntry>(*this, *ui.txtCalc);
    applyTextColors();
    layoutControl();
}

QelCbCalc::~QelCbCalc()
{
    --sAlive;
    mTextEntry.reset();
    mSite = nullptr;
    // A calculator of ours still open ends its wait; the globals let go of us.
    if (gCalcControl == this || gTextBox == ui.txtCalc) {
        gDropped = false;
        if (gCalcHwnd)
            gCalcHwnd->unload();
        gCalcControl = nullptr;
        gTextBox = nullptr;
    }
    gButton.mblnButton = true;
}

void QelCbCalc::readLocale()
{
    mNumberText = NumberText();
    mDecimalSep = mNumberText.decimalSeparator();
}

int QelCbCalc::aliveCount()
{
    return sAlive;
}

void QelCbCalc::notifyChanged(const char *name)
{
    if (mSite)
        mSite->propertyChanged(QLatin1String(name));
}

// ---- Hosting

void QelCbCalc::setClientSite(ControlSite *site)
{
    mSite = site;
}

bool QelCbCalc::userMode(bool *known) const
{
    *known = mSite != nullptr;
    return mSite && mSite->ambientUserMode();
}

void QelCbCalc::initNew()
{
    readLocale();
    mButtonWidth = 260;
    mValue = 0;
    ui.txtCalc->setText(mNumberText.generalText(0) + mDecimalSep);
    mCalcBackColor = 0x8000000Fu;
    mCalcNumberColor = 0xFF0000u;
    mCalcMemoryColor = 255;
    mCalcOpsColor = 255;
    mCalcButtonColor = 0x8000000Fu;
    mCalcCancelColor = 192;
    mCalcMemStatBackColor = 0x8000000Fu;
    mCalcMemStatColor = 0;
    mCalcAdvOpsColor = 0xC00000u;
    gCalcControl = this;
    mEnabled = true;
    mLocked = false;
    mCalcMousePointer = Default;
    mCalcMouseIcon = QPixmap();
    setFontProperty(mSite ? mSite->ambientFont() : QFont());
    mOutPutFormat = 0;
}

void QelCbCalc::readProperties(const PropertyBag &bag)
{
    readLocale();
    if (const auto color = readColor(bag, "BackColor", 0x80000005u))
        setBackColor(*color);
    if (const auto color = readColor(bag, "ForeColor", 0x80000008u))
        setForeColor(*color);
    if (const auto font = readFont(bag, "Font", mSite ? mSite->ambientFont() : QFont()))
        setFontProperty(*font);
    if (const auto width = readInteger(bag, "ButtonWidth", 260);
        width && *width >= INT16_MIN && *width <= INT16_MAX)
        mButtonWidth = short(*width);
    if (const auto value = readDouble(bag, "Value", 0))
        mValue = *value;
    readColorsAndPointer(bag);

    QString text = mNumberText.generalText(mValue);
    if (!text.contains(mDecimalSep))
        text += mDecimalSep;
    ui.txtCalc->setText(text);
    ui.cmdDrop->setValue(false);

    if (const auto icon = readPicture(bag, "CalcMouseIcon", QPixmap()))
        mCalcMouseIcon = *icon;
    if (const auto color = readColor(bag, "CalcMemStatBackColor", 0x8000000Fu))
        mCalcMemStatBackColor = *color;
    if (const auto color = readColor(bag, "CalcMemStatColor", 0))
        mCalcMemStatColor = *color;
    if (const auto color = readColor(bag, "CalcAdvOpsColor", 0xC00000u))
        mCalcAdvOpsColor = *color;
    if (const auto format = readInteger(bag, "OutPutFormat", 0);
        format && *format >= INT32_MIN && *format <= INT32_MAX)
        setOutPutFormat(int(*format));
    if (const auto picture = readPicture(bag, "DisableButtonPicture", QPixmap()))
        setDisableButtonPicture(*picture);
    if (const auto picture = readPicture(bag, "DownButtonPicture", QPixmap()))
        setDownButtonPicture(*picture);
    if (const auto picture = readPicture(bag, "ButtonPicture", DropButton::arrowBitmap()))
        setButtonPicture(*picture);
    layoutControl();
}

void QelCbCalc::readColorsAndPointer(const PropertyBag &bag)
{
    const struct
    {
        const char *name;
        uint defaultColor;
        uint *field;
    } colors[] = {
        {"CalcBackColor", 0x8000000Fu, &mCalcBackColor},
        {"CalcNumberColor", 0xFF0000u, &mCalcNumberColor},
        {"CalcMemoryColor", 255, &mCalcMemoryColor},
        {"CalcOpsColor", 255, &mCalcOpsColor},
        {"CalcButtonColor", 0x8000000Fu, &mCalcButtonColor},
        {"CalcCancelColor", 192, &mCalcCancelColor},
    };
    for (const auto &color : colors) {
        if (const auto value = readColor(bag, color.name, color.defaultColor))
            *color.field = *value;
    }
    if (const auto enabled = readBool(bag, "Enabled", true))
        setEnabledProperty(*enabled);
    if (const auto locked = readBool(bag, "Locked", false))
        setLocked(*locked);
    if (const auto pointer = readInteger(bag, "CalcMousePointer", 0);
        pointer && *pointer >= INT32_MIN && *pointer <= INT32_MAX)
        mCalcMousePointer = MousePointerConstants(*pointer);
}

void QelCbCalc::writeProperties(PropertyBag &bag) const
{
    const QFont ambient = mSite ? mSite->ambientFont() : QFont();
    bag.write(QStringLiteral("BackColor"), mBackColor, 0x80000005u);
    bag.write(QStringLiteral("ForeColor"), mForeColor, 0x80000008u);
    bag.write(QStringLiteral("Enabled"), mEnabled, true);
    bag.write(QStringLiteral("Font"), mFont, ambient);
    bag.write(QStringLiteral("Locked"), mLocked, false);
    bag.write(QStringLiteral("ButtonWidth"), mButtonWidth, short(260));
    bag.write(QStringLiteral("Value"), mValue, 0.0);
    bag.write(QStringLiteral("CalcBackColor"), mCalcBackColor, 0x8000000Fu);
    bag.write(QStringLiteral("CalcNumberColor"), mCalcNumberColor, 0xFF0000u);
    bag.write(QStringLiteral("CalcMemoryColor"), mCalcMemoryColor, 255u);
    bag.write(QStringLiteral("CalcOpsColor"), mCalcOpsColor, 255u);
    bag.write(QStringLiteral("CalcButtonColor"), mCalcButtonColor, 0x8000000Fu);
    bag.write(QStringLiteral("CalcCancelColor"), mCalcCancelColor, 192u);
    bag.write(QStringLiteral("CalcMousePointer"), int(mCalcMousePointer), 0);
    bag.write(QStringLiteral("CalcMouseIcon"), imageOf(mCalcMouseIcon), QImage());
    bag.write(QStringLiteral("CalcMemStatBackColor"), mCalcMemStatBackColor, 0x8000000Fu);
    bag.write(QStringLiteral("CalcMemStatColor"), mCalcMemStatColor, 0u);
    bag.write(QStringLiteral("CalcAdvOpsColor"), mCalcAdvOpsColor, 0xC00000u);
    bag.write(QStringLiteral("OutPutFormat"), mOutPutFormat, 0);
    bag.write(QStringLiteral("DisableButtonPicture"), imageOf(DisableButtonPicture()), QImage());
    bag.write(QStringLiteral("DownButtonPicture"), imageOf(DownButtonPicture()), QImage());
    bag.write(QStringLiteral("ButtonPicture"), imageOf(ButtonPicture()), QImage());
}

void QelCbCalc::ambientChanged(const QString &)
{
    readLocale();
}

// ---- Properties

void QelCbCalc::applyTextColors()
{
    QPalette palette = ui.txtCalc->palette();
    const QColor back = OleColor::toColor(mBackColor);
    if (back.isValid())
        palette.setColor(QPalette::Base, back);
    const QColor fore = OleColor::toColor(mForeColor);
    if (fore.isValid())
        palette.setColor(QPalette::Text, fore);
    ui.txtCalc->setPalette(palette);
}

void QelCbCalc::setBackColor(uint color)
{
    mBackColor = color;
    applyTextColors();
    notifyChanged("BackColor");
}

void QelCbCalc::setForeColor(uint color)
{
    mForeColor = color;
    applyTextColors();
    notifyChanged("ForeColor");
}

int QelCbCalc::hWnd() const
{
    return int(effectiveWinId());
}

void QelCbCalc::setButtonWidth(short width)
{
    mButtonWidth = width;
    layoutControl();
    notifyChanged("ButtonWidth");
}

void QelCbCalc::setValue(double value)
{
    QString text = ui.txtCalc->text();
    mNumberText.writeFormatted(value, mOutPutFormat, text);
    ui.txtCalc->setText(text);
    if (const auto number = mNumberText.read(text))
        mValue = *number;
    if (!text.contains(mDecimalSep))
        ui.txtCalc->setText(text + mDecimalSep);
    notifyChanged("Value");
}

void QelCbCalc::setCalcBackColor(uint color)
{
    mCalcBackColor = color;
    notifyChanged("CalcBackColor");
}

void QelCbCalc::setCalcNumberColor(uint color)
{
    mCalcNumberColor = color;
    notifyChanged("CalcNumberColor");
}

void QelCbCalc::setCalcMemoryColor(uint color)
{
    mCalcMemoryColor = color;
    notifyChanged("CalcMemoryColor");
}

void QelCbCalc::setCalcOpsColor(uint color)
{
    mCalcOpsColor = color;
    notifyChanged("CalcOpsColor");
}

void QelCbCalc::setCalcButtonColor(uint color)
{
    mCalcButtonColor = color;
    notifyChanged("CalcButtonColor");
}

void QelCbCalc::setCalcCancelColor(uint color)
{
    mCalcCancelColor = color;
    notifyChanged("CalcCancelColor");
}

void QelCbCalc::setEnabledProperty(bool enabled)
{
    mEnabled = enabled;
    ui.txtCalc->setEnabled(enabled);
    ui.cmdDrop->setEnabled(enabled);
    notifyChanged("Enabled");
}

void QelCbCalc::setLocked(bool locked)
{
    mLocked = locked;
    ui.txtCalc->setReadOnly(locked);
    notifyChanged("Locked");
}

void QelCbCalc::setCalcMousePointer(MousePointerConstants pointer)
{
    mCalcMousePointer = pointer;
    notifyChanged("CalcMousePointer");
}

void QelCbCalc::setCalcMouseIcon(const QPixmap &icon)
{
    mCalcMouseIcon = icon;
    notifyChanged("CalcMouseIcon");
}

void QelCbCalc::setCalcMemStatBackColor(uint color)
{
    mCalcMemStatBackColor = color;
    notifyChanged("CalcMemStatBackColor");
}

void QelCbCalc::setCalcMemStatColor(uint color)
{
    mCalcMemStatColor = color;
    notifyChanged("CalcMemStatColor");
}

void QelCbCalc::setCalcAdvOpsColor(uint color)
{
    mCalcAdvOpsColor = color;
    notifyChanged("CalcAdvOpsColor");
}

void QelCbCalc::setFontProperty(const QFont &font)
{
    mFont = font;
    ui.txtCalc->setFont(font);
    layoutControl();
    update();
    notifyChanged("Font");
}

void QelCbCalc::setOutPutFormat(int format)
{
    mOutPutFormat = format;
    setValue(mValue);
    notifyChanged("OutPutFormat");
}

QPixmap QelCbCalc::DisableButtonPicture() const
{
    return ui.cmdDrop->disabledPicture();
}

void QelCbCalc::setDisableButtonPicture(const QPixmap &picture)
{
    ui.cmdDrop->setDisabledPicture(picture);
    notifyChanged("DisableButtonPicture");
}

QPixmap QelCbCalc::DownButtonPicture() const
{
    return ui.cmdDrop->downPicture();
}

void QelCbCalc::setDownButtonPicture(const QPixmap &picture)
{
    ui.cmdDrop->setDownPicture(picture);
    notifyChanged("DownButtonPicture");
}

QPixmap QelCbCalc::ButtonPicture() const
{
    return ui.cmdDrop->picture();
}

void QelCbCalc::setButtonPicture(const QPixmap &picture)
{
    ui.cmdDrop->setPicture(picture);
    notifyChanged("ButtonPicture");
}

void QelCbCalc::ShowAboutFrm()
{
    FrmAbout about;
    about.exec();
}

QStringList QelCbCalc::PropertyPages() const
{
    return {QString::fromLatin1(OrvaneIds::propertyPageName),
            QString::fromLatin1(::PropertyPages::standardFont),
            QString::fromLatin1(::PropertyPages::standardColor),
            QString::fromLatin1(::PropertyPages::standardPicture)};
}

QWidget *QelCbCalc::CreatePropertyPage(const QString &name, QWidget *parent)
{
    if (name == QLatin1String(OrvaneIds::propertyPageName))
        return new General(parent);
    return nullptr;
}

void QelCbCalc::Refresh()
{
    repaint();
}

QVariantList QelCbCalc::memberDescriptions() const
{
    QVariantList result;
    for (const ControlMember &member : ControlMember::all()) {
        QVariantMap description{{QStringLiteral("name"), QString::fromLatin1(member.name)},
                                {QStringLiteral("dispId"), member.dispId},
                                {QStringLiteral("isMethod"), member.isMethod}};
        if (member.helpContext >= 0)
            description.insert(QStringLiteral("helpContext"), member.helpContext);
        if (member.helpString)
            description.insert(QStringLiteral("helpString"), QString::fromUtf8(member.helpString));
        if (member.category)
            description.insert(QStringLiteral("category"), QString::fromUtf8(member.category));
        result.append(description);
    }
    return result;
}

// ---- Layout

void QelCbCalc::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControl();
}

void QelCbCalc::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!mSite)
        return;
    const QString tip = mSite->extenderToolTip();
    ui.txtCalc->setToolTip(tip);
    ui.cmdDrop->setToolTip(tip);
}

void QelCbCalc::layoutControl()
{
    // The control keeps the height of one line of text in the text box's font size.
    QFont own = font();
    own.setPointSizeF(ui.txtCalc->font().pointSizeF());
    const int heightPixels = twipsToPixels(QFontMetrics(own).height() * twipsPerPixel + 125);
    if (height() != heightPixels)
        setFixedHeight(heightPixels);

    ui.txtCalc->setGeometry(0, 0, width(), height());
    const int buttonPixels = twipsToPixels(mButtonWidth);
    ui.cmdDrop->setGeometry(twipsToPixels(ui.txtCalc->width() * twipsPerPixel - mButtonWidth - 25),
                            twipsToPixels(35), buttonPixels,
                            ui.txtCalc->height() - twipsToPixels(60));

    // Right-aligned text stops short of the button: the margin the edit control takes from
    // the high word of this value.
    const qint64 marginValue =
        qRound64(111111.0 * buttonPixels * twipsPerPixel / 1.5 / twipsPerPixel);
    ui.txtCalc->setTextMargins(0, 0, int(marginValue >> 16), 0);
}

// ---- Drop button

void QelCbCalc::onDropPressed()
{
    gButton.mblnButton = !gButton.mblnButton;
    mDropToggle = !mDropToggle;
    bool known = false;
    const bool user = userMode(&known);
    if (!known || !user || !mDropToggle)
        return;
    ui.cmdDrop->setCheckLook(true);
    ui.cmdDrop->setValue(true);
    gDropped = true;
    QPointer<QelCbCalc> self(this);
    DropCalculator();
    if (self)
        mDropToggle = false;
}

void QelCbCalc::onDropMoved(const QPoint &position)
{
    const bool outside = position.x() < 0 || position.x() > ui.cmdDrop->width() ||
                         position.y() < 0 || position.y() > ui.cmdDrop->height();
    if (outside)
        ui.cmdDrop->setCheckLook(false);
    else if (!gButton.mblnButton)
        ui.cmdDrop->setCheckLook(true);
}

void QelCbCalc::onDropReleased()
{
    gButton.mblnButton = true;
    ui.cmdDrop->setCheckLook(false);
    ui.cmdDrop->setValue(false);
}

// ---- The calculator

void QelCbCalc::DropCalculator(bool showButtonPressed)
{
    gTextBox = ui.txtCalc;
    gCalcControl = this;
    const QRect textBox(ui.txtCalc->mapToGlobal(QPoint(0, 0)), ui.txtCalc->size());
    const QPoint place = CalcPlacement::place(textBox, CalcPlacement::screenOf(this));
    if (showButtonPressed)
        ui.cmdDrop->setCheckLook(true);
    else
        ui.cmdDrop->setValue(false);

    QPointer<QelCbCalc> self(this);
    FrmCalc *calculator = FrmCalc::instance(window());
    if (!calculator->showModeless(place)) {
        dropFallback();
        return;
    }
    gCalcHwnd = calculator;
    while (gDropped)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    FrmCalc::UnhookWindow(gCalcHwnd);
    FrmCalc::discard();
    gCalcControl = nullptr;
    if (!self)
        return;

    const QString display = gTextBox ? gTextBox->text() : QString();
    const auto number = mNumberText.read(display);
    if (!number) {
        dropFallback();
        return;
    }
    setValue(*number);
    selectToEnd();
    gTextBox = nullptr;
}

void QelCbCalc::dropFallback()
{
    QPointer<QelCbCalc> self(this);
    FrmCalc *calculator = FrmCalc::instance(window());
    gCalcHwnd = calculator;
    calculator->showModal();
    if (!self)
        return;
    setValue(mNumberText.displayNumber(gTextBox ? gTextBox->text() : ui.txtCalc->text()));
    if (FrmCalc *open = FrmCalc::existing())
        open->unload();
    gCalcControl = nullptr;
    gTextBox = nullptr;
    selectToEnd();
    ui.txtCalc->setFocus();
}

void QelCbCalc::selectToEnd()
{
    // From the caret to the end; a single-line box always shows its first line.
    QLineEdit *text = ui.txtCalc;
    const int caret = text->cursorPosition();
    text->setSelection(caret, text->text().length() - caret);
}
