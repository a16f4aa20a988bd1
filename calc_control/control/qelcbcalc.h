#pragma once

#include "numbertext.h"
#include "ui_qelcbcalc.h"

#include <hostedcontrol.h>

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <memory>

class ControlSite;
class TextEntry;

// The numeric combo box: a text box showing a number and a drop button that opens the
// calculator below it. Its public interface is its meta-object: every property and method
// under its own name, for containers that bind late.
class QelCbCalc : public QWidget, public HostedControl
{
    Q_OBJECT
    Q_INTERFACES(HostedControl)

    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int hWnd READ hWnd)
    Q_PROPERTY(short ButtonWidth READ ButtonWidth WRITE setButtonWidth)
    Q_PROPERTY(double Value READ Value WRITE setValue USER true)
    Q_PROPERTY(uint CalcBackColor READ CalcBackColor WRITE setCalcBackColor)
    Q_PROPERTY(uint CalcNumberColor READ CalcNumberColor WRITE setCalcNumberColor)
    Q_PROPERTY(uint CalcMemoryColor READ CalcMemoryColor WRITE setCalcMemoryColor)
    Q_PROPERTY(uint CalcOpsColor READ CalcOpsColor WRITE setCalcOpsColor)
    Q_PROPERTY(uint CalcButtonColor READ CalcButtonColor WRITE setCalcButtonColor)
    Q_PROPERTY(uint CalcCancelColor READ CalcCancelColor WRITE setCalcCancelColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(
        MousePointerConstants CalcMousePointer READ CalcMousePointer WRITE setCalcMousePointer)
    Q_PROPERTY(QPixmap CalcMouseIcon READ CalcMouseIcon WRITE setCalcMouseIcon)
    Q_PROPERTY(uint CalcMemStatBackColor READ CalcMemStatBackColor WRITE setCalcMemStatBackColor)
    Q_PROPERTY(uint CalcMemStatColor READ CalcMemStatColor WRITE setCalcMemStatColor)
    Q_PROPERTY(uint CalcAdvOpsColor READ CalcAdvOpsColor WRITE setCalcAdvOpsColor)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty)
    Q_PROPERTY(int OutPutFormat READ OutPutFormat WRITE setOutPutFormat)
    Q_PROPERTY(QPixmap DisableButtonPicture READ DisableButtonPicture WRITE setDisableButtonPicture)
    Q_PROPERTY(QPixmap DownButtonPicture READ DownButtonPicture WRITE setDownButtonPicture)
    Q_PROPERTY(QPixmap ButtonPicture READ ButtonPicture WRITE setButtonPicture)

public:
    // Stored forms may hold any number here; the fixed type keeps every one a valid value.
    enum MousePointerConstants : int {
        Default = 0,
        Arrow = 1,
        Crosshair = 2,
        Ibeam = 3,
        IconPointer = 4,
        SizePointer = 5,
        SizeNESW = 6,
        SizeNS = 7,
        SizeNWSE = 8,
        SizeWE = 9,
        UpArrow = 10,
        Hourglass = 11,
        NoDrop = 12,
        ArrowHourglass = 13,
        ArrowQuestion = 14,
        SizeAll = 15,
        Custom = 99,
    };
    Q_ENUM(MousePointerConstants)

    enum OutputFormatConstants {
        calcOFNormal = 0,
        calcOFCurrency = 1,
        calcOFTwoDecimal = 2,
        calcOFThreeDecimal = 3,
        calcOFFourDecimal = 4,
        calcOFFiveDecimal = 5,
        calcOFSixDecimal = 6,
        calcOFScientific = 7,
        calcOFStandard = 8,
    };
    Q_ENUM(OutputFormatConstants)

    explicit QelCbCalc(QWidget *parent = nullptr);
    ~QelCbCalc() override;

    // Controls of this class alive in the process; the library can unload at zero.
    static int aliveCount();

    // HostedControl
    void setClientSite(ControlSite *site) override;
    void initNew() override;
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;
    void ambientChanged(const QString &name) override;

    uint BackColor() const { return mBackColor; }
    void setBackColor(uint color);
    uint ForeColor() const { return mForeColor; }
    void setForeColor(uint color);
    int hWnd() const;
    short ButtonWidth() const { return mButtonWidth; }
    void setButtonWidth(short width);
    double Value() const { return mValue; }
    void setValue(double value);
    uint CalcBackColor() const { return mCalcBackColor; }
    void setCalcBackColor(uint color);
    uint CalcNumberColor() const { return mCalcNumberColor; }
    void setCalcNumberColor(uint color);
    uint CalcMemoryColor() const { return mCalcMemoryColor; }
    void setCalcMemoryColor(uint color);
    uint CalcOpsColor() const { return mCalcOpsColor; }
    void setCalcOpsColor(uint color);
    uint CalcButtonColor() const { return mCalcButtonColor; }
    void setCalcButtonColor(uint color);
    uint CalcCancelColor() const { return mCalcCancelColor; }
    void setCalcCancelColor(uint color);
    bool Enabled() const { return mEnabled; }
    void setEnabledProperty(bool enabled);
    bool Locked() const { return mLocked; }
    void setLocked(bool locked);
    MousePointerConstants CalcMousePointer() const { return mCalcMousePointer; }
    void setCalcMousePointer(MousePointerConstants pointer);
    QPixmap CalcMouseIcon() const { return mCalcMouseIcon; }
    void setCalcMouseIcon(const QPixmap &icon);
    uint CalcMemStatBackColor() const { return mCalcMemStatBackColor; }
    void setCalcMemStatBackColor(uint color);
    uint CalcMemStatColor() const { return mCalcMemStatColor; }
    void setCalcMemStatColor(uint color);
    uint CalcAdvOpsColor() const { return mCalcAdvOpsColor; }
    void setCalcAdvOpsColor(uint color);
    QFont Font() const { return mFont; }
    void setFontProperty(const QFont &font);
    int OutPutFormat() const { return mOutPutFormat; }
    void setOutPutFormat(int format);
    QPixmap DisableButtonPicture() const;
    void setDisableButtonPicture(const QPixmap &picture);
    QPixmap DownButtonPicture() const;
    void setDownButtonPicture(const QPixmap &picture);
    QPixmap ButtonPicture() const;
    void setButtonPicture(const QPixmap &picture);

    Q_INVOKABLE void ShowAboutFrm();
    Q_INVOKABLE void Refresh();

    // The property pages, in order; the container makes the standard ones (propertypage.h).
    Q_INVOKABLE QStringList PropertyPages() const;
    Q_INVOKABLE QWidget *CreatePropertyPage(const QString &name, QWidget *parent);

    // Member descriptions for containers: name, dispId, helpContext, helpString, category.
    Q_INVOKABLE QVariantList memberDescriptions() const;

    // Opens the calculator below the text box and waits, running the event loop, until it
    // closes; its display then becomes Value. `showButtonPressed` draws the drop button down
    // meanwhile.
    void DropCalculator(bool showButtonPressed = true);

    const QString &decimalSeparator() const { return mDecimalSep; }
    const NumberText &numberText() const { return mNumberText; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void readLocale();
    void notifyChanged(const char *name);
    void layoutControl();
    void applyTextColors();
    void writeBack(const QString &display);
    void selectToEnd();
    void dropFallback();
    void onDropPressed();
    void onDropMoved(const QPoint &position);
    void onDropReleased();
    bool userMode(bool *known) const;
    void readColorsAndPointer(const PropertyBag &bag);

    Ui::QelCbCalc ui;
    ControlSite *mSite = nullptr;
    NumberText mNumberText;
    QString mDecimalSep;
    double mValue = 0;
    short mButtonWidth = 260;
    int mOutPutFormat = 0;
    bool mEnabled = true;
    bool mLocked = false;
    bool mDropToggle = false;
    uint mBackColor = 0x80000005u;
    uint mForeColor = 0x80000008u;
    uint mCalcBackColor = 0x8000000Fu;
    uint mCalcNumberColor = 0xFF0000u;
    uint mCalcMemoryColor = 255;
    uint mCalcOpsColor = 255;
    uint mCalcButtonColor = 0x8000000Fu;
    uint mCalcCancelColor = 192;
    uint mCalcMemStatBackColor = 0x8000000Fu;
    uint mCalcMemStatColor = 0;
    uint mCalcAdvOpsColor = 0xC00000u;
    MousePointerConstants mCalcMousePointer = Default;
    QPixmap mCalcMouseIcon;
    QFont mFont;
    // Goes before the text box does, so no focus change of a dying box reaches it.
    std::unique_ptr<TextEntry> mTextEntry;
};
