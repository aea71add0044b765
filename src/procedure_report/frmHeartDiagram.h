#pragma once
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <memory>

class DrawingSurface;
class PenWidthPanel;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTemporaryDir;
class QTimer;
class QToolButton;

// "HEART DIAGRAM - <procedure>": marks up a blank drawing of the heart for one request with
// pencil, eraser, text, line, oval and rectangle in a chosen colour and pen width, and stores the
// picture per admission and request.
class frmHeartDiagram : public QDialog, public SingleWindow<frmHeartDiagram> {
    Q_OBJECT
public:
    frmHeartDiagram();
    ~frmHeartDiagram() override;

    void setSetRequestNo(const QString& v) { RequestNo = v; }
    void setSetIDNum(const QString& v) { IDNum = v; }
    void setSetHospNum(const QString& v) { HospNum = v; }
    void setSetBdate(const QString& v) { Bdate = v; }
    void setSetAge(const QString& v) { Age = v; }
    void setSetSex(const QString& v) { Sex = v; }
    void setSetCivil(const QString& v) { Civil = v; }
    void setSetRoom(const QString& v) { Room = v; }
    void setSetInterventionist(const QString& v) { Interventionist = v; }
    void setSetProcedure(const QString& v) { Procedure = v; }
    void setSetDatePerformed(const QString& v) { DatePerformed = v; }

    QLineEdit *txtPname, *txtBdate, *txtAge, *txtSex, *txtCivilStatus, *txtHospNo, *txtIDNo, *txtRoom;
    DrawingSurface* Picture1;
    QToolButton *btnPencil1, *btnEraser1, *btnText1, *btnLine, *cmdOval, *cmdRectangle, *cmdColorPicker;
    QFrame* shColor;
    PenWidthPanel* FraOptDot;
    QAction* cmdDot[8];
    QTimer* Timer1;
    QPushButton *cmdSavePrintClose, *cmdSave, *cmdClear, *cmdExit;

    // State the tests and the commands read.
    QString ToolName = QStringLiteral("Pencil");
    QString PenColor = QStringLiteral("255");
    int PenWidth = 2;
    int SelectedDotIndex = 0;
    bool IsDirty = false, IsReset = false, IsSaved = false;
    QLabel* activeTextLabel() const { return ActiveTextLabel; }

    void Form_Load();
    void btnPencil1_Click();
    void btnEraser1_Click();
    void btnText1_Click();
    void btnLine_Click();
    void cmdOval_Click();
    void cmdRectangle_Click();
    void cmdColorPicker_Click();
    void cmdDot_Click(int index);
    void FraOptDot_MouseDown(Qt::MouseButton button, int x, int y);
    void Timer1_Timer();
    void cmdSave_Click();
    void cmdSavePrintClose_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void CommitPendingText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Picture1_MouseDown(Qt::MouseButtons buttons, const QPoint& at);
    void Picture1_MouseMove(Qt::MouseButtons buttons, const QPoint& at);
    void Picture1_MouseUp(Qt::MouseButton button, const QPoint& at);
    void Picture1_KeyPress(int key, const QString& text);
    void LoadPatientName();
    void PaintBlankDiagram();
    bool LoadOnePictureFromDBOnly();
    void SaveDiagramImage();
    bool DeleteDiagramImage();
    // The save command: validation, right "34" of the validated user, the save. True when saved.
    bool saveCommand();
    void printDiagram();
    QColor penColor() const;
    void activateTool(const QString& tool, const QColor& colour, Qt::CursorShape cursor);

    QString RequestNo, IDNum, HospNum, Bdate, Age, Sex, Civil, Room, Interventionist, Procedure, DatePerformed;
    QString LastName, FirstName, MiddleName, Attending, CaseNo;
    QLabel* ActiveTextLabel = nullptr; // the text being typed; labels live as long as the window
    QList<QLabel*> lblArr;
    QPoint LastPen, BandAnchor;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    bool m_loaded = false;
};
