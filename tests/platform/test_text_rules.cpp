// The rules on admission numbers and typed keys that every window shares.
#include "support/TypeKeys.h"

#include "hospital/StayTables.h"
#include "platform/text/AdmissionNumber.h"
#include "platform/text/UpperCaseKey.h"
#include "platform/ui/KeyFilters.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(AdmissionNumber, AVisitEndsWithBWhateverBlanksPadIt)
{
    struct Case {
        const char* idNum;
        bool outPatient;
    };
    const Case cases[] = {{"900101B", true}, {"TO1B ", true}, {" 900101B  ", true}, {"2026900001", false},
                          {"B12", false},    {"", false},     {"   ", false},       {"900101b", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsOutPatientNumber(QString::fromLatin1(c.idNum)), c.outPatient) << c.idNum;
        EXPECT_EQ(StayTables::Of(QString::fromLatin1(c.idNum)).stay,
                  c.outPatient ? QStringLiteral("PATIENT_DATA..TBOUTPATIENT") : QStringLiteral("PATIENT_DATA..tbPatient"))
            << c.idNum;
    }
    EXPECT_EQ(StayTables::Of(QStringLiteral("TO1B ")).history, QStringLiteral("PATIENT_DATA..tbOutPatientHistory"));
    EXPECT_EQ(StayTables::Of(QStringLiteral("TI1")).charges, QStringLiteral("BILLING..tbBillDailyBill"));
}

TEST(UpperCaseKey, LettersAccentedOnesIncludedOthersAsTheyAre)
{
    struct Case {
        char16_t typed, given;
    };
    const Case cases[] = {{u'a', u'A'}, {u'z', u'Z'}, {u'\u00FA', u'\u00DA'} /* ú */, {u'\u00F1', u'\u00D1'} /* ñ */,
                          {u'\u00E9', u'\u00C9'},   {u'A', u'A'},             {u'5', u'5'},
                          {u'-', u'-'},             {u'\u00FF', u'\u00FF'} /* ÿ: its capital lies outside one byte */,
                          {u'\u00DF', u'\u00DF'} /* ß */};
    for (const Case& c : cases) EXPECT_EQ(UpperCaseKeyCode(c.typed), int(c.given)) << int(c.typed);
}

// The one upper-casing key filter, driven by real key events.

TEST(UpperCaseKeys, TypedLettersArriveAsCapitalsThroughTheBoxsOwnHandling)
{
    QLineEdit box;
    UpperCaseKeys(&box);
    typeKeys(&box, QStringLiteral("mu\u00F1oz-\u00FAbeda 2"));
    EXPECT_EQ(box.text(), QStringLiteral("MU\u00D1OZ-\u00DABEDA 2"));

    // the capital replaces a selection and keeps to the box's length, as a typed key does
    box.setMaxLength(12);   // "MUÑOZ-ÚBEDA "
    box.setSelection(0, 3);
    typeKeys(&box, QStringLiteral("p\u00E9xy"));
    EXPECT_EQ(box.text(), QStringLiteral("P\u00C9XOZ-\u00DABEDA "));
}

TEST(UpperCaseKeys, AWindowsOwnFilterSendsTheCapitalOnlyForLettersThatHaveOne)
{
    QLineEdit box;
    struct Seen : QObject {
        QStringList texts;
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (e->type() != QEvent::KeyPress) return false;
            texts << static_cast<QKeyEvent*>(e)->text();
            return SendKeyInUpperCase(watched, static_cast<QKeyEvent*>(e));
        }
    } seen;
    box.installEventFilter(&seen);
    typeKeys(&box, QStringLiteral("a1\u00FA"));
    EXPECT_EQ(box.text(), QStringLiteral("A1\u00DA"));
    // each lower-case key comes round again as its capital; the digit passes once
    EXPECT_EQ(seen.texts, QStringList({QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("\u00FA"),
                                       QStringLiteral("\u00DA")}));
}
