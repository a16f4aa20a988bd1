#include "hostiletext.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>

QList<HostileText> HostileText::all()
{
    QString longText;
    while (longText.size() < 10000)
        longText += QStringLiteral("O'Hara \"x\" ; -- é ");
    longText.truncate(10000);
    return {
        {"quotes", QStringLiteral("l'aéro \"club\" d'O''Hara `x` \\")},
        {"sql", QStringLiteral("'; DROP TABLE Tbl_Vols; --")},
        {"ten thousand characters", longText},
        {"accents", QStringLiteral("àâäçéèêëîïôöùûüÿœæ ÀÂÇÉÈÊËÎÏÔÙÛÜŸŒÆ ß ñ")},
        {"emoji", QStringLiteral("vol ✈️ 🛩️ 👩🏽‍✈️ 🇫🇷")},
        {"right to left",
         QStringLiteral("מועדון טיסה ‏نادي الطيران‎ F-GABC")},
    };
}

QList<HostileText> HostileText::shortOnes(int length)
{
    return {
        {"quotes", QStringLiteral("O'\"x\"").left(length)},
        {"sql", QStringLiteral("';--").left(length)},
        {"accents", QStringLiteral("ÉÀÇŒ").left(length)},
        {"emoji", QStringLiteral("✈🛩").left(length)},
        {"right to left", QStringLiteral("שלום").left(length)},
    };
}

void typeText(QWidget *target, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        i += pair ? 1 : 0;
        if (code >= 0x20 && code < 0x7F) {
            QTest::keyClick(target, char(code));
        } else if (QChar::isPrint(code)) {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, character, Qt::NoModifier);
        } else {
            // Joiners and direction marks come from an input method, not from a key.
            QInputMethodEvent event;
            event.setCommitString(character);
            QCoreApplication::sendEvent(target, &event);
        }
    }
}

QString utf8Hex(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}
