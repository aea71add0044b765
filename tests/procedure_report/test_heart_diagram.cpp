// The heart diagram editor driven by the mouse and keys on the real drawing surface, and its
// storage: one picture per admission and request, saved, read back, reset and printed.
#include "support/ProcedureReportFixture.h"

#include "procedure_report/HeartDiagramData.h"
#include "procedure_report/HeartDiagramWidgets.h"
#include "procedure_report/frmHeartDiagram.h"

#include "platform/db/DbError.h"
#include "platform/report/ReportLog.h"
#include "platform/ui/MessageBox.h"
#include "support/ScriptedValidation.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class HeartDiagram : public ProcedureReportTest {
protected:
    frmHeartDiagram* open()
    {
        auto* w = frmHeartDiagram::instance();
        w->setSetRequestNo(QStringLiteral("CL0000052"));
        w->setSetIDNum(QStringLiteral("2026000006"));
        w->setSetHospNum(text(QStringLiteral("SELECT HospNum FROM PATIENT_DATA..tbPatient WHERE IDNum = '2026000006'")));
        w->setSetProcedure(QStringLiteral("LEFT HEART CATHETERIZATION"));
        w->setSetRoom(QStringLiteral("207"));
        w->setSetInterventionist(QStringLiteral("VILLAREAL, ANTONIO"));
        w->setSetDatePerformed(QStringLiteral("12/04/2026"));
        w->show();
        return w;
    }
    static void mouse(QWidget* on, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent e(type, QPointF(at), QPointF(on->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(on, &e);
    }
    // A drag with the button held from one point to another, as a hand makes it.
    static void drag(QWidget* on, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(on, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, from);
        mouse(on, QEvent::MouseButtonPress, button, button, from);
        const QPoint mid = (from + to) / 2;
        mouse(on, QEvent::MouseMove, Qt::NoButton, button, mid);
        mouse(on, QEvent::MouseMove, Qt::NoButton, button, to);
        mouse(on, QEvent::MouseButtonRelease, button, Qt::NoButton, to);
    }
    static bool isWhite(const frmHeartDiagram* w, int x, int y) { return w->Picture1->image().pixelColor(x, y) == QColor(Qt::white); }
    static QColor pixel(const frmHeartDiagram* w, int x, int y) { return w->Picture1->image().pixelColor(x, y); }
    int stored() { return count(QStringLiteral("SELECT COUNT(*) FROM CLINICAL_AREA..tbCLImage WHERE IDNum = '2026000006' AND RequestNum = 'CL0000052'")); }
};

TEST_F(HeartDiagram, OpensOnTheBlankDrawingWithARedPencilOfWidthTwo)
{
    auto* w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("HEART DIAGRAM - LEFT HEART CATHETERIZATION"));
    EXPECT_TRUE(w->txtPname->text().contains(QStringLiteral(", ")));
    EXPECT_EQ(w->txtIDNo->text(), QStringLiteral("2026000006"));
    EXPECT_EQ(w->ToolName, QStringLiteral("Pencil"));
    EXPECT_EQ(w->PenColor, QStringLiteral("255"));
    EXPECT_EQ(w->PenWidth, 2);
    EXPECT_EQ(w->SelectedDotIndex, 1);
    EXPECT_FALSE(w->IsDirty);
    // The blank drawing: lines in the middle, white corners.
    int dark = 0;
    for (int x = 0; x < w->Picture1->image().width(); ++x)
        if (!isWhite(w, x, w->Picture1->image().height() / 2)) ++dark;
    EXPECT_GT(dark, 0);
    EXPECT_TRUE(isWhite(w, 2, 2));
}

// The header's values show whole, from their start: the name, the numbers and the birth date.
TEST_F(HeartDiagram, TheHeaderShowsEachValueWhole)
{
    auto* w = frmHeartDiagram::instance();
    w->setSetBdate(QStringLiteral("03/18/1946"));
    auto* shown = open();
    QApplication::processEvents();
    for (QLineEdit* b : {shown->txtPname, shown->txtBdate, shown->txtHospNo, shown->txtIDNo, shown->txtRoom}) {
        ASSERT_FALSE(b->text().isEmpty());
        EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 8) << b->text().toStdString();
        EXPECT_EQ(b->cursorPosition(), 0) << b->text().toStdString();
    }
}

TEST_F(HeartDiagram, PencilEraserLineAndRectangleDrawWhereTheMouseWent)
{
    auto* w = open();
    drag(w->Picture1, {10, 15}, {60, 15});
    EXPECT_EQ(pixel(w, 35, 15), QColor(255, 0, 0));
    EXPECT_TRUE(w->IsDirty);

    w->btnEraser1->click();
    drag(w->Picture1, {30, 15}, {40, 15});
    EXPECT_TRUE(isWhite(w, 35, 15));
    EXPECT_EQ(pixel(w, 20, 15), QColor(255, 0, 0));

    w->btnLine->click();
    drag(w->Picture1, {10, 30}, {60, 30});
    EXPECT_EQ(pixel(w, 35, 30), QColor(255, 0, 0));
    EXPECT_FALSE(w->Picture1->previewLineVisible);

    // A right-button drag shows the preview and draws nothing, yet marks the picture changed.
    w->IsDirty = false;
    const QImage before = w->Picture1->image();
    drag(w->Picture1, {10, 45}, {60, 45}, Qt::RightButton);
    EXPECT_EQ(w->Picture1->image(), before);
    EXPECT_TRUE(w->IsDirty);

    // A rectangle dragged up and to the left is the one dragged down and to the right.
    w->cmdRectangle->click();
    drag(w->Picture1, {150, 60}, {100, 20});
    const QImage upLeft = w->Picture1->image();
    for (const QPoint p : {QPoint(125, 20), QPoint(125, 60), QPoint(100, 40), QPoint(150, 40)})
        EXPECT_EQ(upLeft.pixelColor(p), QColor(255, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(upLeft.pixelColor(125, 40), QColor(Qt::white));
    closeAll();
    w = open();
    w->cmdRectangle->click();
    drag(w->Picture1, {100, 20}, {150, 60});
    EXPECT_EQ(w->Picture1->image().copy(90, 10, 70, 60), upLeft.copy(90, 10, 70, 60));
}

TEST_F(HeartDiagram, AShapeWithoutWidthDrawsNothing)
{
    auto* w = open();
    for (QToolButton* tool : {w->cmdOval, w->cmdRectangle}) {
        tool->click();
        const QImage before = w->Picture1->image();
        drag(w->Picture1, {20, 50}, {20, 90});   // straight down
        EXPECT_EQ(w->Picture1->image(), before) << tool->text().toStdString();
        mouse(w->Picture1, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {30, 30});
        mouse(w->Picture1, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {30, 30});   // a click
        EXPECT_EQ(w->Picture1->image(), before) << tool->text().toStdString();
    }
    w->cmdOval->click();
    drag(w->Picture1, {20, 20}, {80, 60});
    EXPECT_EQ(pixel(w, 50, 20), QColor(255, 0, 0));
}

TEST_F(HeartDiagram, TextIsTypedWithACaretAndFixedByTheNextClick)
{
    auto* w = open();
    w->btnText1->click();
    mouse(w->Picture1, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 10});
    mouse(w->Picture1, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {10, 10});
    ASSERT_NE(w->activeTextLabel(), nullptr);
    QTest::keyClicks(w->Picture1, QStringLiteral("LAD"));
    QTest::keyClick(w->Picture1, Qt::Key_Return);   // adds nothing
    EXPECT_EQ(w->activeTextLabel()->text(), QStringLiteral("LAD"));
    QMetaObject::invokeMethod(w->Timer1, "timeout");
    EXPECT_EQ(w->activeTextLabel()->text(), QStringLiteral("LAD|"));
    QTest::keyClick(w->Picture1, Qt::Key_Backspace);
    EXPECT_EQ(w->activeTextLabel()->text(), QStringLiteral("LA"));
    QMetaObject::invokeMethod(w->Timer1, "timeout");
    QMetaObject::invokeMethod(w->Timer1, "timeout");
    EXPECT_EQ(w->activeTextLabel()->text(), QStringLiteral("LA"));
    QLabel* label = w->activeTextLabel();
    mouse(w->Picture1, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {200, 10});
    mouse(w->Picture1, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {200, 10});
    EXPECT_EQ(w->activeTextLabel(), nullptr);
    EXPECT_FALSE(label->isVisible());
    int red = 0;
    for (int x = 10; x < 40; ++x)
        for (int y = 10; y < 30; ++y)
            if (pixel(w, x, y).red() > 150 && pixel(w, x, y).green() < 100) ++red;
    EXPECT_GT(red, 5);
}

TEST_F(HeartDiagram, ColoursAndPenWidthsAreChosenByDialogPanelAndAltKeys)
{
    auto* w = open();
    UiScript::queueDialog(QStringLiteral("QColorDialog"), [](QDialog* d) {
        static_cast<QColorDialog*>(d)->setCurrentColor(QColor(0, 0, 255));
        d->reject();
    });
    w->cmdColorPicker->click();
    EXPECT_EQ(w->PenColor, QStringLiteral("255"));   // cancelled: the colour stays
    UiScript::queueDialog(QStringLiteral("QColorDialog"), [](QDialog* d) {
        static_cast<QColorDialog*>(d)->setCurrentColor(QColor(0, 0, 255));
        d->accept();
    });
    w->cmdColorPicker->click();
    EXPECT_EQ(w->PenColor, QStringLiteral("16711680"));   // blue, red in the low byte
    drag(w->Picture1, {10, 15}, {60, 15});
    EXPECT_EQ(pixel(w, 35, 15), QColor(0, 0, 255));

    w->cmdDot[4]->trigger();   // Alt+5
    EXPECT_EQ(w->PenWidth, 5);
    EXPECT_EQ(w->SelectedDotIndex, 4);
    EXPECT_EQ(w->FraOptDot->dotColor[4], QColor(Qt::white));
    EXPECT_EQ(w->FraOptDot->dotColor[1], QColor(Qt::black));
    // A left click between the dots chooses the last dot again; a right click only blackens.
    w->FraOptDot_MouseDown(Qt::LeftButton, 375, 300);
    EXPECT_EQ(w->PenWidth, 5);
    w->FraOptDot_MouseDown(Qt::LeftButton, 700, 300);   // dot 2
    EXPECT_EQ(w->PenWidth, 3);
    w->FraOptDot_MouseDown(Qt::RightButton, 1000, 600);
    EXPECT_EQ(w->PenWidth, 3);
    for (const QColor& c : w->FraOptDot->dotColor) EXPECT_EQ(c, QColor(Qt::black));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_8, Qt::AltModifier);
    EXPECT_EQ(w->PenWidth, 8);
}

TEST_F(HeartDiagram, ASavedDiagramIsStoredWithTrueMetadataAndComesBack)
{
    auto* w = open();
    drag(w->Picture1, {10, 15}, {60, 15});
    queueValidationAs(QStringLiteral("CL002"), QStringLiteral("CATH2"));
    w->cmdSave->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Trauma diagram updated."));
    EXPECT_FALSE(w->isVisible());
    const Recordset row = conn().query(QStringLiteral("SELECT * FROM CLINICAL_AREA..tbCLImage WHERE IDNum = '2026000006' AND RequestNum = 'CL0000052'"));
    ASSERT_EQ(row.recordCount(), 1);
    const QByteArray bytes = row.value(QStringLiteral("PatImage")).toByteArray();
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(row.toInt(QStringLiteral("FileSize")), bytes.size());
    EXPECT_EQ(row.text(QStringLiteral("FileType")), QStringLiteral("image/bmp"));
    EXPECT_TRUE(row.text(QStringLiteral("FileName")).endsWith(QStringLiteral(".bmp")));
    EXPECT_EQ(row.text(QStringLiteral("UserID")), QStringLiteral("CL002"));
    EXPECT_FALSE(row.text(QStringLiteral("TransDate")).isEmpty());

    closeAll();
    w = open();
    EXPECT_EQ(pixel(w, 35, 15), QColor(255, 0, 0));
    // Saved again: still one row.
    drag(w->Picture1, {10, 25}, {60, 25});
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdSave->click();
    EXPECT_EQ(stored(), 1);
}

TEST_F(HeartDiagram, DrawingSurvivesAResizeAndARefusedSave)
{
    auto* w = open();
    drag(w->Picture1, {10, 15}, {60, 15});
    w->resize(w->width() + 120, w->height() + 80);
    QApplication::processEvents();
    EXPECT_EQ(pixel(w, 35, 15), QColor(255, 0, 0));

    queueValidationAs(QStringLiteral("CL003"), QStringLiteral("CATH3"));
    w->cmdSavePrintClose->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Sorry, you are not allowed to save Heart Diagram."));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(stored(), 0);
    EXPECT_TRUE(ReportLog::calls().isEmpty());
    EXPECT_EQ(pixel(w, 35, 15), QColor(255, 0, 0));

    // Exit asks; Cancel keeps the window, No closes it without storing.
    UiScript::queueAnswer(vbCancel);
    w->cmdExit->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Do you want to save the changes before closing the application?"));
    EXPECT_TRUE(w->isVisible());
    UiScript::queueAnswer(vbNo);
    w->cmdExit->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(stored(), 0);
}

TEST_F(HeartDiagram, ResetStoresTheBlankDrawingUnderItsOwnRight)
{
    auto* w = open();
    drag(w->Picture1, {10, 15}, {60, 15});
    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL003"), QStringLiteral("CATH3"));   // no right 35
    w->cmdClear->click();
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Sorry, you are not allowed to reset Heart Diagram."));
    EXPECT_EQ(pixel(w, 35, 15), QColor(255, 0, 0));

    UiScript::queueAnswer(vbYes);
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdClear->click();
    EXPECT_TRUE(UiScript::texts().contains(QStringLiteral("This will clear all changes made. Are you sure to do perform action?")));
    EXPECT_EQ(UiScript::lastText(), QStringLiteral("Trauma diagram updated."));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(isWhite(w, 35, 15));
    EXPECT_EQ(stored(), 1);
    // Nothing left unsaved: Exit closes without asking.
    UiScript::reset();
    w->cmdExit->click();
    EXPECT_TRUE(UiScript::shown().isEmpty());
    EXPECT_FALSE(w->isVisible());
}

TEST_F(HeartDiagram, SaveAndPrintPrintsTheDiagramThroughAFolderRemovedAfterwards)
{
    auto* w = open();
    drag(w->Picture1, {10, 15}, {60, 15});
    queueValidationAs(QStringLiteral("CL001"), QStringLiteral("CATH1"));
    w->cmdSavePrintClose->click();
    EXPECT_EQ(stored(), 1);
    ASSERT_FALSE(ReportLog::calls().isEmpty());
    const ReportCall& call = ReportLog::calls().last();
    EXPECT_EQ(call.fileName(), QStringLiteral("HeartDiagram.rpt"));
    EXPECT_TRUE(call.error.isEmpty()) << call.error.toStdString();
    ASSERT_EQ(call.params.size(), 14);
    EXPECT_EQ(call.params[3].toString(), QStringLiteral("207"));
    EXPECT_EQ(call.params[4].toString(), QStringLiteral("12/04/2026"));
    EXPECT_EQ(call.params[9].toString(), QStringLiteral("2026000006"));
    EXPECT_EQ(call.params[11].toString(), QStringLiteral("VILLAREAL, ANTONIO"));
    EXPECT_EQ(call.params[13].toString(), QString());
    EXPECT_EQ(call.caption, QStringLiteral("Heart Diagram"));
    EXPECT_EQ(call.shown, ReportShown::MedicationSheet);
    EXPECT_FALSE(call.picture.isEmpty());
    EXPECT_FALSE(QFile::exists(call.picture));
    EXPECT_FALSE(w->isVisible());
}

} // namespace

// The update and the insert of a save are one step. Here the stored row goes between them (removed
// inside the save, as a reset of the same drawing removes it) and the insert then fails: the
// stored row is as it was, and no transaction is left open.
TEST_F(HeartDiagram, AFailingInsertLeavesTheStoredRowAsItWas)
{
    Connection& c = conn();
    const QString id = QStringLiteral("2026000006"), request = QStringLiteral("CL0000052");
    const auto storedUser = [&] {
        const Recordset rs = c.query(QStringLiteral("SELECT UserID FROM CLINICAL_AREA..tbCLImage WHERE IDNum = ? AND RequestNum = ?"), {id, request});
        return rs.isEmpty() ? QStringLiteral("(none)") : rs.text(QStringLiteral("UserID"));
    };
    for (const bool storedBefore : {true, false}) {
        c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCLImage WHERE IDNum = ? AND RequestNum = ?"), {id, request});
        if (storedBefore) HeartDiagramData::SaveDiagram(c, id, request, QStringLiteral("CL001"), QByteArray("BMfirst"));
        bool inside = false;
        c.setStatementObserver([&](const QString& sql, const QVariantList&) {
            if (inside) return;
            const QString s = sql.trimmed().toUpper();
            if (s.startsWith(QLatin1String("UPDATE"))) {
                inside = true;
                c.execute(QStringLiteral("DELETE FROM CLINICAL_AREA..tbCLImage WHERE IDNum = ? AND RequestNum = ?"), {id, request});
                inside = false;
            } else if (s.startsWith(QLatin1String("INSERT"))) {
                throw DbError(QStringLiteral("The insert failed."));
            }
        });
        EXPECT_THROW(HeartDiagramData::SaveDiagram(c, id, request, QStringLiteral("CL002"), QByteArray("BMsecond")), DbError);
        c.setStatementObserver({});
        EXPECT_FALSE(c.inTransaction()) << storedBefore;
        EXPECT_EQ(storedUser(), storedBefore ? QStringLiteral("CL001") : QStringLiteral("(none)")) << storedBefore;
    }
}
