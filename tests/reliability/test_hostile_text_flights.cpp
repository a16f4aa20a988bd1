// Hostile texts typed into every text field of the add-flight and edit-flight forms, or taken
// from the aircraft register by a pick, reach the file byte for byte; the duration box keeps
// only its digits.
#include "flightformfixture.h"
#include "hostiletext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The stored texts of a flight as the hex of their bytes, and its duration.
struct StoredFlight
{
    QString avion, type, societe, vol, commentaires;
    qlonglong duree = 0;
    bool operator==(const StoredFlight &) const = default;
};

void PrintTo(const StoredFlight &flight, std::ostream *out)
{
    *out << "avion " << flight.avion.toStdString() << " type " << flight.type.toStdString()
         << " société " << flight.societe.toStdString() << " vol " << flight.vol.toStdString()
         << " commentaires " << flight.commentaires.toStdString().substr(0, 200) << " durée "
         << flight.duree;
}

StoredFlight bytesOf(const QString &avion, const QString &type, const QString &societe,
                     const QString &vol, const QString &commentaires, qlonglong duree)
{
    return {utf8Hex(avion), utf8Hex(type),         utf8Hex(societe),
            utf8Hex(vol),   utf8Hex(commentaires), duree};
}

class HostileTextFlightsTest : public FlightFormFixture
{
protected:
    QComboBox *combo(const char *name) { return control<QComboBox>(form, name); }
    QLineEdit *box(const char *name) { return control<QLineEdit>(form, name); }

    // Replaces a field's text by typing, as a user would.
    static void retype(QWidget *field, QLineEdit *line, const QString &text)
    {
        field->setFocus();
        line->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        typeText(field, text);
    }

    void fillTexts(const QString &text)
    {
        retype(combo("Combo1"), combo("Combo1")->lineEdit(), text);
        retype(box("Text5"), box("Text5"), QStringLiteral("45"));
        retype(combo("Combo2"), combo("Combo2")->lineEdit(), text);
        retype(box("Text7"), box("Text7"), text);
    }

    // Types the text and then "45" into the duration box, which must keep only the digits.
    void expectDurationKeepsDigitsOnly(const QString &text)
    {
        retype(box("Text5"), box("Text5"), text + QStringLiteral("45"));
        EXPECT_EQ(box("Text5")->text(), QString("45"));
    }

    void click(const char *button)
    {
        QTest::mouseClick(control<QPushButton>(form, button), Qt::LeftButton);
        deliverDeletes();
    }

    QList<StoredFlight> stored() const
    {
        QList<StoredFlight> result;
        for (const QVariantList &row : folder.rows(QStringLiteral(
                 "SELECT hex(Avion), hex(Type), hex(\"Société\"), hex(Vol), hex(Commentaires), "
                 "\"Durée\" FROM Tbl_Vols ORDER BY Num")))
            result << StoredFlight{row[0].toString(), row[1].toString(), row[2].toString(),
                                   row[3].toString(), row[4].toString(), row[5].toLongLong()};
        return result;
    }

    void startOver()
    {
        folder.exec(QStringLiteral("DELETE FROM Tbl_Vols"));
        folder.exec(QStringLiteral("DELETE FROM Tbl_Avions"));
        recorder.clear();
    }

    QPointer<QWidget> form;
};

TEST_F(HostileTextFlightsTest, AddFlightStoresEveryTypedTextUnchanged)
{
    openLogbook();
    for (const HostileText &hostile : HostileText::all()) {
        SCOPED_TRACE(hostile.name);
        startOver();
        // With no flight and no aircraft, "Nouveau" would open the register instead.
        folder.addAircraft("ZZZZZZ", "ZZ", "ZZ");
        form = openAjout();
        ASSERT_TRUE(form);
        fillTexts(hostile.text);
        click("Ajouter");

        EXPECT_EQ(recorder.events(), QStringList());
        EXPECT_EQ(stored(), QList<StoredFlight>{bytesOf(hostile.text, QString(), QString(),
                                                        hostile.text, hostile.text, 45)});
    }
}

TEST_F(HostileTextFlightsTest, EditFlightStoresEveryTypedTextUnchanged)
{
    for (const HostileText &hostile : HostileText::all()) {
        SCOPED_TRACE(hostile.name);
        startOver();
        const qint64 num =
            folder.addFlight(QDate(2026, 12, 1), "F-HABC", "C152", "AEROCLUB", 60, "D", "Nav");
        openLogbook();
        form = openModif(num);
        ASSERT_TRUE(form);
        fillTexts(hostile.text);
        click("Modifier");

        EXPECT_EQ(recorder.events(), QStringList());
        EXPECT_EQ(stored(), QList<StoredFlight>{bytesOf(hostile.text, "C152", "AEROCLUB",
                                                        hostile.text, hostile.text, 45)});
    }
}

TEST_F(HostileTextFlightsTest, DurationBoxDropsEveryTypedKeyButTheDigits)
{
    folder.addAircraft("F-HABC", "C152", "AEROCLUB");
    openLogbook();
    form = openAjout();
    ASSERT_TRUE(form);
    for (const HostileText &hostile : HostileText::all()) {
        // Emoji outside the basic plane are one key typing two UTF-16 units; direction marks
        // and joiners come as input-method text: neither may slip past the digit filter.
        SCOPED_TRACE(hostile.name);
        expectDurationKeepsDigitsOnly(hostile.text);
    }
}

TEST_F(HostileTextFlightsTest, APickCopiesTheRegistersTextsUnchanged)
{
    openLogbook();
    for (const HostileText &hostile : HostileText::all()) {
        SCOPED_TRACE(hostile.name);
        startOver();
        folder.addAircraft(hostile.text, hostile.text, hostile.text);
        form = openAjout();
        ASSERT_TRUE(form);
        QComboBox *aircraft = combo("Combo1");
        aircraft->setFocus(Qt::TabFocusReason);
        QTest::keyClick(aircraft, Qt::Key_Down);
        ASSERT_EQ(aircraft->currentText(), hostile.text);
        retype(box("Text5"), box("Text5"), QStringLiteral("45"));
        click("Ajouter");

        EXPECT_EQ(recorder.events(), QStringList());
        EXPECT_EQ(stored(), QList<StoredFlight>{bytesOf(hostile.text, hostile.text, hostile.text,
                                                        QString(), QString(), 45)});
    }
}
} // namespace
