// Hostile texts typed into every box of the aircraft register reach the file byte for byte,
// upper-cased as the register stores them, and read back into the boxes unchanged.
#include "avions.h"
#include "avionsdriver.h"
#include "hostiletext.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"

#include <gtest/gtest.h>
#include <memory>
#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

namespace {
struct Entry
{
    QString avion;
    QString typeAvion;
    QString societe;
};

class HostileTextAircraftTest : public testing::Test
{
protected:
    std::unique_ptr<Avions> open() { return openAvions(&logbook); }

    static QLineEdit *box(Avions &window, const char *name) { return avionsBox(window, name); }

    // A new aircraft typed into the three boxes and added with Edition "Ajouter".
    void add(const Entry &entry)
    {
        auto window = open();
        window->findChild<QAction *>(QStringLiteral("MNU_Edit_1"))->trigger();
        const std::pair<const char *, QString> boxes[] = {
            {"Avion", entry.avion}, {"TypeAvion", entry.typeAvion}, {"Société", entry.societe}};
        for (const auto &[name, text] : boxes) {
            box(*window, name)->setFocus();
            typeText(box(*window, name), text);
            ASSERT_EQ(box(*window, name)->text(), text) << name;
        }
        window->findChild<QAction *>(QStringLiteral("MNU_Edit_2"))->trigger();
    }

    // Each stored text as the hex of its bytes, so nothing is compared after a conversion.
    QList<QStringList> storedBytes() const
    {
        QList<QStringList> result;
        for (const QVariantList &row : folder.rows(QStringLiteral(
                 "SELECT hex(Avion), hex(Type_Avion), hex(\"Société\") FROM Tbl_Avions")))
            result << QStringList{row[0].toString(), row[1].toString(), row[2].toString()};
        return result;
    }

    static QStringList bytesOf(const Entry &entry)
    {
        return {utf8Hex(entry.avion), utf8Hex(entry.typeAvion), utf8Hex(entry.societe)};
    }

    static QString upper(const QString &text) { return QLocale().toUpper(text); }

    void expectStoredAndShown(const Entry &typed)
    {
        const Entry saved{upper(typed.avion), upper(typed.typeAvion), upper(typed.societe)};
        EXPECT_EQ(recorder.events(), QStringList());
        EXPECT_EQ(storedBytes(), QList<QStringList>{bytesOf(saved)});
        auto again = open();
        EXPECT_EQ(box(*again, "Avion")->text(), saved.avion);
        EXPECT_EQ(box(*again, "TypeAvion")->text(), saved.typeAvion);
        EXPECT_EQ(box(*again, "Société")->text(), saved.societe);
    }

    TempProgramFolder folder;
    UiRecorder recorder;
    QWidget logbook;
};

TEST_F(HostileTextAircraftTest, TypeAndOwnerStoreEveryTextUnchanged)
{
    for (const HostileText &hostile : HostileText::all()) {
        SCOPED_TRACE(hostile.name);
        folder.exec(QStringLiteral("DELETE FROM Tbl_Avions"));
        recorder.clear();
        const Entry typed{QStringLiteral("F-GABC"), hostile.text, hostile.text};
        add(typed);
        expectStoredAndShown(typed);
    }
}

TEST_F(HostileTextAircraftTest, RegistrationStoresEveryShortTextUnchanged)
{
    for (const HostileText &hostile : HostileText::shortOnes(6)) {
        SCOPED_TRACE(hostile.name);
        folder.exec(QStringLiteral("DELETE FROM Tbl_Avions"));
        recorder.clear();
        const Entry typed{hostile.text, QStringLiteral("DR400"), QStringLiteral("CLUB")};
        add(typed);
        expectStoredAndShown(typed);
    }
}

TEST_F(HostileTextAircraftTest, TenThousandCharacterRegistrationIsRefusedAndNothingStored)
{
    const Entry typed{HostileText::all()[2].text, QStringLiteral("DR400"), QStringLiteral("CLUB")};
    add(typed);
    EXPECT_EQ(recorder.events(),
              QStringList({"sound:caosetout.wav", "box:L'immatriculation n'est pas correct."}));
    EXPECT_TRUE(storedBytes().isEmpty());
}
} // namespace
