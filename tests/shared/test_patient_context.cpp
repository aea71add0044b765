#include "support/TestDatabase.h"

#include "platform/db/Connection.h"
#include "shared/patient/PatientContext.h"

namespace {

class PatientContextLoad : public DbTest {
protected:
    QString first(const char* sql) { return conn().query(QString::fromLatin1(sql)).text(QStringLiteral("IDNum")); }
};

TEST_F(PatientContextLoad, AStayAVisitAndANumberNotOnFile)
{
    // The second demo stay: NPO diet, admitting D005, attending D001 and D007.
    const QString stay = conn().query("SELECT IDNum FROM PATIENT_DATA..tbPatient ORDER BY IDNum").textAt(1, "IDNum");
    const Recordset s = conn().query("SELECT P.HospNum, P.RoomID, R.RoomClass, M.LastName FROM PATIENT_DATA..tbPatient P "
                                     "JOIN PATIENT_DATA..tbMaster M ON M.HospNum = P.HospNum "
                                     "LEFT OUTER JOIN BUILD_FILE..tbCoRoom R ON R.RoomID = P.RoomID WHERE P.IDNum = ?", {stay});
    const QString visit = first("SELECT IDNum FROM PATIENT_DATA..TBOUTPATIENT ORDER BY IDNum");
    const QString visitHosp = conn().query("SELECT HospNum FROM PATIENT_DATA..TBOUTPATIENT WHERE IDNum = ?", {visit}).text("HospNum");

    struct Case {
        QString hospNum, idNum, company;
        bool found;
        QString type, room, roomClass, account, shownCompany, diet, doctorCode;
    };
    const Case cases[] = {
        {s.text("HospNum"), stay, "IGNORED", true, "I", s.text("RoomID"), s.text("RoomClass"), "", "", "NOTHING PER OREM", "D001"},
        {visitHosp, visit, "PACIFIC HEALTH CARE INC.", true, "O", "ER/OPD", "A", "ER/OPD", "PACIFIC HEALTH CARE INC.", "", ""},
        {"H-NONE", "1999999999", "X", false, "I", "", "", "", "", "", ""},
        {"H-NONE", "1999999999B", "X", false, "O", "", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idNum.toStdString());
        const PatientContext p = PatientContextData::Load(conn(), c.hospNum, c.idNum, c.company);
        EXPECT_EQ(p.Found, c.found);
        EXPECT_EQ(p.HospNum, c.hospNum); // the numbers given, found or not
        EXPECT_EQ(p.IDNum, c.idNum);
        EXPECT_EQ(p.PatientType, c.type);
        EXPECT_EQ(p.Room, c.room);
        EXPECT_EQ(p.RoomClass, c.roomClass);
        if (c.type == "O") EXPECT_EQ(p.AccountNumber, c.account);
        if (c.type == "O" || !c.found) EXPECT_EQ(p.Company, c.shownCompany);
        EXPECT_EQ(p.Diet, c.diet);
        EXPECT_EQ(p.Address.isEmpty(), !c.found); // a visit's too: its printed results carry it
        if (!c.doctorCode.isEmpty()) EXPECT_EQ(p.AttendingDoctorCode, c.doctorCode);
        EXPECT_EQ(p.TransplantID, "0");
        EXPECT_EQ(p.DialysisID, "0");
        // The entry windows' header, box by box.
        const std::array<QString, 16> h = p.headerTexts();
        EXPECT_EQ(h[0], p.PatientName);
        EXPECT_EQ(h[4], c.idNum);
        EXPECT_EQ(h[5], c.hospNum);
        EXPECT_EQ(h[9], c.room);
        EXPECT_EQ(h[14], c.diet);
    }
    const PatientContext p = PatientContextData::Load(conn(), s.text("HospNum"), stay, QString());
    EXPECT_TRUE(p.PatientName.startsWith(s.text("LastName") + " ,"));
    EXPECT_EQ(p.AdmittingDoctor, "QUIMPO, RAFAEL LIM");
    EXPECT_EQ(p.AttendingDoctor, "VILLAREAL, ANTONIO CRUZ");
    EXPECT_EQ(p.AttendingDoctor2, "PEÑAFLOR, JOSE MARTINEZ");
    EXPECT_EQ(p.Diagnosis, "CORONARY ARTERY DISEASE");
}

} // namespace

TEST(LabFormWords, TransplantAndDialysisCodes)
{
    struct Case { const char *code, *transplant, *dialysis; };
    const Case cases[] = {{"0", "Non_Transplant", "None"}, {" 1 ", "Transplant", "Pre-Dialysis"}, {"2", "", "Post-Dialysis"},
                          {"7", "", ""}, {"", "", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(TransplantText(QString::fromLatin1(c.code)), QString::fromLatin1(c.transplant)) << c.code;
        EXPECT_EQ(DialysisText(QString::fromLatin1(c.code)), QString::fromLatin1(c.dialysis)) << c.code;
    }
}
