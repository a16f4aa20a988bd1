#include "frmabout.h"

#include "orvaneversioninfo.h"

#include <olecolor.h>

#include <QBitmap>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QUrl>

#include <dlfcn.h>

namespace {

// The links' pointer: a monochrome pointing hand, 32 x 32, pointing at 12, 4.
// '#' black, '.' white, ' ' transparent.
constexpr const char *handRows[] = {
    "                                ", "                                ",
    "                                ", "           ##                   ",
    "          #..#                  ", "          #..#                  ",
    "          #..#                  ", "          #..#                  ",
    "          #..###                ", "          #..#..###             ",
    "          #..#..#..###          ", "      ##  #..#..#..#..#         ",
    "     #..###..#..#..#..#         ", "     #................#         ",
    "     #................#         ", "      #...............#         ",
    "      #...............#         ", "       #..............#         ",
    "       #.............#          ", "        #............#          ",
    "        #...........#           ", "         #..........#           ",
    "         #..........#           ", "         ############           ",
};

QCursor handCursor()
{
    constexpr int size = 32;
    QImage bits(size, size, QImage::Format_Mono);
    QImage mask(size, size, QImage::Format_Mono);
    // Index 1 is black, so that a set bit paints black where the mask is set too.
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    mask.fill(0);
    int row = 0;
    for (const char *line : handRows) {
        for (int column = 0; column < size && line[column] != '\0'; ++column) {
            if (line[column] == ' ')
                continue;
            bits.setPixel(column, row, line[column] == '#' ? 1 : 0);
            mask.setPixel(column, row, 1);
        }
        ++row;
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 12, 4);
}

void setTextColor(QLabel *label, quint32 oleColor)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, OleColor::toColor(oleColor));
    label->setPalette(palette);
}

void setSizedText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setTextColor(ui.lblControlInfo, 0x800000u);
    setTextColor(ui.lblEmail, 0x8000000Du);
    setTextColor(ui.lblUrl, 0xFF0000u);
    const QCursor hand = handCursor();
    ui.lblEmail->setCursor(hand);
    ui.lblUrl->setCursor(hand);
    ui.lblEmail->installEventFilter(this);
    ui.lblUrl->installEventFilter(this);
    connect(ui.cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    fillTexts();
}

QString FrmAbout::libraryBaseName()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&FrmAbout::libraryBaseName), &info) == 0 ||
        !info.dli_fname || info.dli_fname[0] == '\0')
        return QString::fromLatin1(OrvaneIds::libraryName);
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).completeBaseName();
}

void FrmAbout::fillTexts()
{
    const QString name = libraryBaseName();
    setWindowTitle(QStringLiteral("À propos de ") + name);
    setSizedText(ui.lblControlInfo, QStringLiteral("%1.ocx  V%2.%3.%4")
                                        .arg(name)
                                        .arg(OrvaneVersionInfo::major)
                                        .arg(OrvaneVersionInfo::minor)
                                        .arg(OrvaneVersionInfo::revision));
    setSizedText(ui.lblcopyright, QString::fromUtf8(OrvaneVersionInfo::legalCopyright));
    setSizedText(ui.lblEmail, QString::fromLatin1(OrvaneVersionInfo::makerEmail));
    setSizedText(ui.lblUrl, QString::fromLatin1(OrvaneVersionInfo::makerWebAddress));
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *label = qobject_cast<QLabel *>(watched);
        // A click: released over the label it was pressed on.
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (label == ui.lblEmail)
                openLink(QUrl(QStringLiteral("mailto:") + ui.lblEmail->text()));
            else if (label == ui.lblUrl)
                openLink(QUrl(ui.lblUrl->text()));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::openLink(const QUrl &url)
{
    // A desktop without a mail program or browser simply does nothing.
    QDesktopServices::openUrl(url);
}
