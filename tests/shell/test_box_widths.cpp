// Every box whose text is stored holds no more than its column: one table of the windows' boxes
// and the columns their saves write, checked against the schema and the database it made.
#include "support/TestDatabase.h"

#include "exam_requests/RequestEntryRow.h"
#include "exam_requests/frmRequest.h"
#include "hospital/Schema.h"
#include "ordering/frmRemarks.h"
#include "platform/db/DbError.h"
#include "platform/db/Dialect.h"
#include "platform/ui/EntryGrid.h"
#include "platform/ui/TextLimit.h"
#include "procedure_report/frmAngiogram.h"
#include "registration/frmCathlabSched.h"
#include "registration/frmHBPS.h"
#include "shared/patient/PatientContext.h"
#include "registration/frmRegistration.h"
#include "returns/frmReturn.h"
#include "shared/text/TypedNumbers.h"
#include "workspace/frmFinal.h"
#include "workspace/frmPostDiet.h"
#include "workspace/frmPrecautions.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <functional>
#include <memory>

namespace {

// The width the database gives a text column: the catalogue's on PostgreSQL, the declared type
// on SQLite (which keeps it but does not enforce it).
int databaseWidth(Connection& c, const QString& houseTable, const QString& column)
{
    const QString name = Dialect::tableName(c.engine(), houseTable).toLower();
    if (c.engine() == Engine::PostgreSQL)
        return DbValue::toLong(c.scalar(QStringLiteral("SELECT character_maximum_length FROM information_schema.columns "
                                                       "WHERE table_schema = ? AND table_name = ? AND column_name = ?"),
                                        {name.section(QLatin1Char('.'), 0, 0), name.section(QLatin1Char('.'), 1), column.toLower()}));
    const QString type =
        c.scalar(QStringLiteral("SELECT type FROM pragma_table_info(?) WHERE lower(name) = ?"), {name, column.toLower()}).toString();
    static const QRegularExpression width(QStringLiteral(R"(\((\d+)\))"));
    return width.match(type).captured(1).toInt();
}

class BoxWidthTest : public DbTest {};

TEST_F(BoxWidthTest, EveryStoredBoxHoldsAtMostItsColumn)
{
    auto* angiogram = frmAngiogram::instance();
    auto* workspace = frmFinal::instance();
    auto* registration = frmRegistration::instance();
    auto* remarks = frmRemarks::instance();
    frmPrecautions precautions;
    frmCathlabSched schedule;
    frmHBPS dischargeOrder{PatientContext()};
    frmPostDiet diet;

    struct Box {
        const char* window;
        const char* box;
        QObject* widget;
        const char* table;
        const char* column;
    };
    const Box boxes[] = {
        {"frmAngiogram", "txtCaseNo", angiogram->txtCaseNo, "CLINICAL_AREA..tbCL_Angiogram", "CaseNo"},
        {"frmAngiogram", "txtDoctorID", angiogram->txtDoctorID, "CLINICAL_AREA..tbCL_Angiogram", "ReferringID"},
        {"frmAngiogram", "txtInterventionistID", angiogram->txtInterventionistID, "CLINICAL_AREA..tbCL_Angiogram", "InterventionistID"},
        {"frmAngiogram", "txtAnesID", angiogram->txtAnesID, "CLINICAL_AREA..tbCL_Angiogram", "AnesID"},
        {"frmAngiogram", "txtRadTechID", angiogram->txtRadTechID, "CLINICAL_AREA..tbCL_Angiogram", "RadTechID"},
        {"frmAngiogram", "txtScrubID", angiogram->txtScrubID, "CLINICAL_AREA..tbCL_Angiogram", "ScrubID"},
        {"frmAngiogram", "txtCircID", angiogram->txtCircID, "CLINICAL_AREA..tbCL_Angiogram", "CircID"},
        {"frmAngiogram", "txtPhysioID", angiogram->txtPhysioID, "CLINICAL_AREA..tbCL_Angiogram", "PhysioID"},
        {"frmAngiogram", "txtRVSCode", angiogram->txtRVSCode, "CLINICAL_AREA..tbCL_Angiogram", "RVSCode"},
        {"frmAngiogram", "txtRVSCode2", angiogram->txtRVSCode2, "CLINICAL_AREA..tbCL_Angiogram", "RVSCode2"},
        {"frmAngiogram", "txtRVSCode3", angiogram->txtRVSCode3, "CLINICAL_AREA..tbCL_Angiogram", "RVSCode3"},
        {"frmAngiogram", "txtWeight", angiogram->txtWeight, "CLINICAL_AREA..tbCL_Angiogram", "Weight"},
        {"frmAngiogram", "txtWeight", angiogram->txtWeight, "PATIENT_DATA..tbPatientHistory", "Weight"},
        {"frmAngiogram", "txtWeight", angiogram->txtWeight, "PATIENT_DATA..tbOutPatientHistory", "Weight"},
        {"frmFinal", "txtBloodPressure0", workspace->txtBloodPressure[0], "STATION..tbNurseVitalSigns", "BloodPressure"},
        {"frmFinal", "txtTemperature", workspace->txtTemperature, "STATION..tbNurseVitalSigns", "Temperature"},
        {"frmFinal", "txtRespiratoryrate", workspace->txtRespiratoryrate, "STATION..tbNurseVitalSigns", "RespiratoryRate"},
        {"frmFinal", "txtPulserate", workspace->txtPulserate, "STATION..tbNurseVitalSigns", "PulseRate"},
        {"frmPrecautions", "txtPrecautions", precautions.txtPrecautions, "PATIENT_DATA..tbPatientHistory", "Precautions"},
        {"frmPrecautions", "txtPrecautions", precautions.txtPrecautions, "PATIENT_DATA..tbOutPatientHistory", "Precautions"},
        {"frmFinal", "txtScheduleRemarks", workspace->txtScheduleRemarks, "SCHEDULE..tbORRequest", "Remarks"},
        {"frmPostDiet", "txtRemarks", diet.txtRemarks, "PATIENT_DATA..tbPatient2", "DietRemarks"},
        {"frmHBPS", "txtOperation", dischargeOrder.txtOperation, "STATION..TBNURSEDISCHARGENOTICE", "Procedures"},
        {"frmHBPS", "txtMedDiagnosis", dischargeOrder.txtMedDiagnosis, "STATION..TBNURSEDISCHARGENOTICE", "FinalDiagnosis"},
        {"frmHBPS", "txtMedicalFees", dischargeOrder.txtMedicalFees, "STATION..TBNURSEDISCHARGENOTICE", "MedicalFees"},
        {"frmHBPS", "txtRemarks", dischargeOrder.txtRemarks, "STATION..TBNURSEDISCHARGENOTICE", "Remarks"},
        {"frmRemarks", "txtRemarks", remarks->txtRemarks, "STATION..TBNURSECOMMUNICATIONFILE", "Remarks"},
        {"frmRemarks", "txtReason", remarks->txtReason, "STATION..TBNURSECOMMUNICATIONFILE", "ReasonOfProcedure"},
        {"frmCathlabSched", "txtOperation1", schedule.txtOperation1, "SCHEDULE..TBCLSCHEDULE", "ProcedureName"},
        {"frmCathlabSched", "txtRemarks", schedule.txtRemarks, "SCHEDULE..TBCLSCHEDULE", "Remarks"},
        {"frmCathlabSched", "txtProcedureConfirm", schedule.txtProcedureConfirm, "SCHEDULE..TBCLSCHEDULE", "ProcedureName"},
        {"frmCathlabSched", "txtRemarksConfirm", schedule.txtRemarksConfirm, "SCHEDULE..TBCLSCHEDULE", "Remarks"},
        {"frmRegistration", "txtLastName", registration->txtLastName, "PATIENT_DATA..tbMaster", "LastName"},
        {"frmRegistration", "txtFirstName", registration->txtFirstName, "PATIENT_DATA..tbMaster", "FirstName"},
        {"frmRegistration", "txtMiddleName", registration->txtMiddleName, "PATIENT_DATA..tbMaster", "MiddleName"},
        {"frmRegistration", "txtHouseStreet", registration->txtHouseStreet, "PATIENT_DATA..tbMaster", "HouseStreet"},
        {"frmRegistration", "txtBarangay", registration->txtBarangay, "PATIENT_DATA..tbMaster", "Barangay"},
        {"frmRegistration", "txtZipCode", registration->txtZipCode, "PATIENT_DATA..tbMaster", "ZipCode"},
        {"frmRegistration", "txtOccupation", registration->txtOccupation, "PATIENT_DATA..tbMaster", "Occupation"},
        {"frmRegistration", "txtEmail", registration->txtEmail, "PATIENT_DATA..tbMaster", "Email"},
        {"frmRegistration", "txtMobile", registration->txtMobile, "PATIENT_DATA..tbMaster", "CellNum"},
        {"frmRegistration", "txtTelNum", registration->txtTelNum, "PATIENT_DATA..tbMaster", "TelNum"},
        {"frmRegistration", "txtBirthPlace", registration->txtBirthPlace, "PATIENT_DATA..tbMaster2", "BirthPlace"},
        {"frmRegistration", "txtNationalityID", registration->txtNationalityID, "PATIENT_DATA..tbMaster2", "NationalityID"},
        {"frmRegistration", "txtReligionID", registration->txtReligionID, "PATIENT_DATA..tbMaster2", "ReligionID"},
        {"frmRegistration", "txtSpouse", registration->txtSpouse, "PATIENT_DATA..tbMaster2", "Spouse"},
        {"frmRegistration", "txtSpouseEmployer", registration->txtSpouseEmployer, "PATIENT_DATA..tbMaster2", "SpouseEmpName"},
        {"frmRegistration", "txtContactName", registration->txtContactName, "PATIENT_DATA..tbMaster2", "ContactName"},
        {"frmRegistration", "txtContactRelation", registration->txtContactRelation, "PATIENT_DATA..tbMaster2", "ContactRelation"},
        {"frmRegistration", "txtContactAddress", registration->txtContactAddress, "PATIENT_DATA..tbMaster2", "ContactAddress"},
        {"frmRegistration", "txtContactContact", registration->txtContactContact, "PATIENT_DATA..tbMaster2", "ContactTelNum"},
        {"frmRegistration", "txtFather", registration->txtFather, "PATIENT_DATA..tbMaster2", "Father"},
        {"frmRegistration", "txtMother", registration->txtMother, "PATIENT_DATA..tbMaster2", "Mother"},
        {"frmRegistration", "txtChiefComplain", registration->txtChiefComplain, "PATIENT_DATA..tbPatientHistory", "ChiefComplaint"},
        {"frmRegistration", "txtDoctorID", registration->txtDoctorID, "CLINICAL_AREA..tbCLPatient", "DoctorID"},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(std::string(b.window) + "." + b.box + " -> " + b.table + "." + b.column);
        const QString table = QString::fromLatin1(b.table), column = QString::fromLatin1(b.column);
        const int width = HospitalSchema::textWidth(table, column);
        EXPECT_EQ(databaseWidth(conn(), table, column), width) << "the schema reader and the database disagree";
        const int limit = MaxLengthOf(b.widget);
        EXPECT_GT(limit, 0);
        EXPECT_LE(limit, width);
    }
    // the entry grids' typed text columns
    frmReturn returns;
    auto* request = frmRequest::instance();
    struct Column {
        const char* window;
        EntryGrid* grid;
        int col;
        const char* table;
        const char* column;
    };
    const Column columns[] = {
        {"frmReturn", returns.flexMSEntry, frmReturn::Remarks, "STATION..TBNURSECOMMUNICATIONFILE", "Remarks"},
        {"frmRequest", request->mshflexEntry, RequestEntryRow::Remarks, "STATION..TBNURSECOMMUNICATIONFILE", "Remarks"},
        {"frmRequest", request->mshflexEntry, RequestEntryRow::Code, "STATION..TBNURSECOMMUNICATIONFILE", "ItemID"},
    };
    for (const Column& c : columns) {
        SCOPED_TRACE(std::string(c.window) + " column " + std::to_string(c.col) + " -> " + c.table + "." + c.column);
        const int limit = c.grid->ColumnMaxLength(c.col);
        EXPECT_GT(limit, 0);
        EXPECT_LE(limit, HospitalSchema::textWidth(QString::fromLatin1(c.table), QString::fromLatin1(c.column)));
    }
    delete frmRequest::existing();
    delete frmAngiogram::existing();
    delete frmRegistration::existing();
    delete frmRemarks::existing();
    delete frmFinal::existing();
}

TEST_F(BoxWidthTest, TheSchemaReaderFollowsTheLaterStatementsAndRefusesUnknownColumns)
{
    // an added column, a column of the first form, a NUMERIC's digits and decimals
    EXPECT_EQ(HospitalSchema::textWidth(QStringLiteral("station..tbnursecommunicationfile"), QStringLiteral("revokereason")), 200);
    EXPECT_EQ(HospitalSchema::textWidth(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Remarks")), 300);
    const HospitalSchema::ColumnType quantity =
        HospitalSchema::columnType(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Quantity"));
    EXPECT_EQ(quantity.type, QStringLiteral("NUMERIC"));
    EXPECT_EQ(quantity.length, 12);
    EXPECT_EQ(quantity.scale, 2);
    // a NUMERIC's largest value is what it holds, and no more
    const NumberRange markup = ColumnRange(QStringLiteral("Mark-up"), QStringLiteral("STATION..tbCLMarkUp"), QStringLiteral("MarkUp"));
    EXPECT_TRUE(markup.accepts(QStringLiteral("99999999.9999")));
    EXPECT_FALSE(markup.accepts(QStringLiteral("100000000")));
    EXPECT_THROW(ColumnRange(QStringLiteral("Remarks"), QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Remarks")), DbError);
    // a dropped column is gone; a column of no text has no width
    EXPECT_THROW(HospitalSchema::columnType(QStringLiteral("PATIENT_DATA..tbPatientAdmInfo"), QStringLiteral("DietRemarks")), DbError);
    EXPECT_THROW(HospitalSchema::textWidth(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("Amount")), DbError);
    EXPECT_THROW(HospitalSchema::textWidth(QStringLiteral("STATION..tbBillAdjustInfo"), QStringLiteral("NoSuchColumn")), DbError);
}

} // namespace
