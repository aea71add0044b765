#include "procedure_report/frmHeartDiagram.h"

#include "access/UserValidation.h"
#include "procedure_report/HeartDiagramData.h"
#include "procedure_report/HeartDiagramWidgets.h"

#include "platform/ui/MessageBox.h"
#include "shared/modGlobals.h"
#include "shared/modGlobalsRoutines.h"
#include "shared/reports/modReports.h"

#include <QAction>
#include <QBuffer>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QFont textToolFont()
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setPointSizeF(10.25);
    return f;
}

// The pen-width panel's regions (twips): columns per row, lower bound included.
const int kColumnFrom[4] = {120, 390, 660, 930};
const int kColumnLeft[4] = {50, 320, 590, 860};
}

frmHeartDiagram::frmHeartDiagram()
{
    setObjectName(QStringLiteral("frmHeartDiagram"));
    auto* main = new QGridLayout(this);
    auto* header = new QGroupBox(QStringLiteral("Patient Information"), this);
    auto* hg = new QGridLayout(header);
    const QList<QPair<QString, QLineEdit**>> boxes = {
        {QStringLiteral("Patient Name"), &txtPname}, {QStringLiteral("Birth Date"), &txtBdate}, {QStringLiteral("Age"), &txtAge},
        {QStringLiteral("Sex"), &txtSex}, {QStringLiteral("Civil Status"), &txtCivilStatus}, {QStringLiteral("Hospital No."), &txtHospNo},
        {QStringLiteral("Admission No."), &txtIDNo}, {QStringLiteral("Room No."), &txtRoom}};
    for (int i = 0; i < boxes.size(); ++i) {
        *boxes[i].second = new QLineEdit(header);
        (*boxes[i].second)->setReadOnly(true);
        hg->addWidget(new QLabel(boxes[i].first), i / 4, (i % 4) * 2);
        hg->addWidget(*boxes[i].second, i / 4, (i % 4) * 2 + 1);
    }
    main->addWidget(header, 0, 0);

    auto* tools = new QGroupBox(QStringLiteral(" Drawing Tools"), this);
    tools->setObjectName(QStringLiteral("pctButtons"));
    auto* tl = new QHBoxLayout(tools);
    auto tool = [&](const QString& caption, const QString& tip) {
        auto* b = new QToolButton(tools);
        b->setText(caption);
        b->setToolTip(tip);
        tl->addWidget(b);
        return b;
    };
    btnPencil1 = tool(QStringLiteral("&D"), QStringLiteral("Pencil"));
    btnEraser1 = tool(QStringLiteral("&E"), QStringLiteral("Eraser"));
    btnText1 = tool(QStringLiteral("&T"), QStringLiteral("Text"));
    btnLine = tool(QStringLiteral("&L"), QStringLiteral("Line"));
    cmdOval = tool(QStringLiteral("&O"), QStringLiteral("Oval"));
    cmdRectangle = tool(QStringLiteral("&R"), QStringLiteral("Rectangle"));
    shColor = new QFrame(tools);
    shColor->setFixedSize(24, 24);
    shColor->setFrameShape(QFrame::Box);
    tl->addWidget(shColor);
    cmdColorPicker = tool(QStringLiteral("&C"), QStringLiteral("Color"));
    FraOptDot = new PenWidthPanel(tools);
    tl->addWidget(FraOptDot);
    main->addWidget(tools, 0, 1);

    Picture1 = new DrawingSurface(this);
    main->addWidget(Picture1, 1, 0);
    auto* commands = new QVBoxLayout;
    cmdSavePrintClose = new QPushButton(QStringLiteral("S&ave/Print"), this);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdClear = new QPushButton(QStringLiteral("&Reset"), this);
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    for (QPushButton* b : {cmdSavePrintClose, cmdSave, cmdClear, cmdExit}) {
        b->setAutoDefault(false);
        commands->addWidget(b);
    }
    commands->addStretch(1);
    main->addLayout(commands, 1, 1, Qt::AlignTop);

    for (int i = 0; i < 8; ++i) {
        cmdDot[i] = new QAction(QStringLiteral("&%1").arg(i + 1), this);
        cmdDot[i]->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)));
        cmdDot[i]->setShortcutContext(Qt::WindowShortcut);
        addAction(cmdDot[i]);
        connect(cmdDot[i], &QAction::triggered, this, [this, i] { cmdDot_Click(i); });
    }
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmHeartDiagram::Timer1_Timer);

    connect(btnPencil1, &QToolButton::clicked, this, &frmHeartDiagram::btnPencil1_Click);
    connect(btnEraser1, &QToolButton::clicked, this, &frmHeartDiagram::btnEraser1_Click);
    connect(btnText1, &QToolButton::clicked, this, &frmHeartDiagram::btnText1_Click);
    connect(btnLine, &QToolButton::clicked, this, &frmHeartDiagram::btnLine_Click);
    connect(cmdOval, &QToolButton::clicked, this, &frmHeartDiagram::cmdOval_Click);
    connect(cmdRectangle, &QToolButton::clicked, this, &frmHeartDiagram::cmdRectangle_Click);
    connect(cmdColorPicker, &QToolButton::clicked, this, &frmHeartDiagram::cmdColorPicker_Click);
    connect(FraOptDot, &PenWidthPanel::pressed, this, &frmHeartDiagram::FraOptDot_MouseDown);
    connect(Picture1, &DrawingSurface::mouseDown, this, &frmHeartDiagram::Picture1_MouseDown);
    connect(Picture1, &DrawingSurface::mouseMove, this, &frmHeartDiagram::Picture1_MouseMove);
    connect(Picture1, &DrawingSurface::mouseUp, this,
            [this](Qt::MouseButton b, Qt::MouseButtons, const QPoint& at) { Picture1_MouseUp(b, at); });
    connect(Picture1, &DrawingSurface::keyTyped, this, &frmHeartDiagram::Picture1_KeyPress);
    connect(cmdSave, &QPushButton::clicked, this, &frmHeartDiagram::cmdSave_Click);
    connect(cmdSavePrintClose, &QPushButton::clicked, this, &frmHeartDiagram::cmdSavePrintClose_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmHeartDiagram::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmHeartDiagram::cmdExit_Click);
}

frmHeartDiagram::~frmHeartDiagram() = default;

void frmHeartDiagram::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

QColor frmHeartDiagram::penColor() const
{
    // Red in the low byte, as the colour number is kept.
    const quint32 n = PenColor.toUInt();
    return QColor(n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF);
}

void frmHeartDiagram::Form_Load()
{
    txtBdate->setText(Bdate);
    txtAge->setText(Age);
    txtSex->setText(Sex);
    txtCivilStatus->setText(Civil);
    txtHospNo->setText(HospNum);
    txtIDNo->setText(IDNum);
    txtRoom->setText(Room);
    setWindowTitle(QStringLiteral("HEART DIAGRAM - ") + Procedure);
    LoadPatientName();
    txtPname->setText(LastName + QStringLiteral(", ") + FirstName + QStringLiteral(" ") + MiddleName);
    // every value shows whole, from its start
    for (QLineEdit* b : {txtPname, txtBdate, txtAge, txtSex, txtCivilStatus, txtHospNo, txtIDNo, txtRoom}) {
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
        b->setCursorPosition(0);
    }
    PenWidth = 2;
    IsReset = false;
    Picture1->previewWidth = 2;
    PenColor = QStringLiteral("255");
    Picture1->drawColor = penColor();
    shColor->setStyleSheet(QStringLiteral("background-color: %1;").arg(penColor().name()));
    FraOptDot_MouseDown(Qt::LeftButton, 390, 180); // the dot of width 2
    ToolName = QStringLiteral("Pencil");
    btnPencil1_Click();
    // What is stored for the request, else the blank drawing; drawing is never replaced after.
    if (!LoadOnePictureFromDBOnly()) PaintBlankDiagram();
    Timer1->start();
}

void frmHeartDiagram::LoadPatientName()
{
    LastName.clear();
    FirstName.clear();
    MiddleName.clear();
    try {
        const HeartDiagramData::PatientName n = HeartDiagramData::LoadPatientName(SharedConnection(), HospNum);
        LastName = n.last;
        FirstName = n.first;
        MiddleName = n.middle;
    } catch (const std::exception& e) {
        LogPassedOverError(QStringLiteral("frmHeartDiagram.LoadPatientName"), e);
    }
}

void frmHeartDiagram::PaintBlankDiagram()
{
    const QImage source = BlankHeartDrawing();
    QImage target(Picture1->image().size(), QImage::Format_RGB32);
    target.fill(Qt::white);
    const QSize fit = source.size().scaled(target.size(), Qt::KeepAspectRatio);
    QPainter p(&target);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint((target.width() - fit.width()) / 2, (target.height() - fit.height()) / 2), fit), source);
    p.end();
    Picture1->setImage(target);
}

bool frmHeartDiagram::LoadOnePictureFromDBOnly()
{
    try {
        const QByteArray bytes = HeartDiagramData::LoadDiagram(SharedConnection(), IDNum, RequestNo);
        if (bytes.isEmpty()) return false;
        QImage img;
        if (!img.loadFromData(bytes)) throw std::runtime_error("The stored heart diagram is not a picture.");
        Picture1->setImage(img);
        return true;
    } catch (const std::exception& e) {
        MsgBox(ErrorDescription(e), vbOKOnly | vbInformation, QStringLiteral("Warning"));
        return false;
    }
}

// ---- tools -----------------------------------------------------------------------------------

void frmHeartDiagram::activateTool(const QString& tool, const QColor& colour, Qt::CursorShape cursor)
{
    Picture1->drawColor = colour;
    Picture1->setCursor(cursor);
    ToolName = tool;
}

void frmHeartDiagram::btnPencil1_Click() { activateTool(QStringLiteral("Pencil"), penColor(), Qt::CrossCursor); }

// The eraser draws in white, the surface's own colour.
void frmHeartDiagram::btnEraser1_Click() { activateTool(QStringLiteral("Eraser"), Qt::white, Qt::PointingHandCursor); }

void frmHeartDiagram::btnText1_Click()
{
    Picture1->drawWidth = 1;
    activateTool(QStringLiteral("Text"), penColor(), Qt::IBeamCursor);
}

void frmHeartDiagram::btnLine_Click() { activateTool(QStringLiteral("Line"), penColor(), Qt::ArrowCursor); }

void frmHeartDiagram::cmdOval_Click() { activateTool(QStringLiteral("Oval"), penColor(), Qt::ArrowCursor); }

void frmHeartDiagram::cmdRectangle_Click() { activateTool(QStringLiteral("Rectangle"), penColor(), Qt::ArrowCursor); }

void frmHeartDiagram::cmdColorPicker_Click()
{
    QColorDialog dlg(penColor(), this);
    if (runModal(&dlg) != QDialog::Accepted) return; // cancelled: the colour stays
    const QColor c = dlg.currentColor();
    PenColor = QString::number(quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16));
    shColor->setStyleSheet(QStringLiteral("background-color: %1;").arg(c.name()));
    Picture1->setCursor(Qt::ArrowCursor);
    Picture1->drawColor = c;
    if (ToolName == QLatin1String("Pencil")) btnPencil1_Click();
    else if (ToolName == QLatin1String("Eraser")) btnEraser1_Click();
    else if (ToolName == QLatin1String("Text")) btnText1_Click();
    else if (ToolName == QLatin1String("Oval")) cmdOval_Click();
}

void frmHeartDiagram::FraOptDot_MouseDown(Qt::MouseButton button, int x, int y)
{
    for (QColor& c : FraOptDot->dotColor) c = Qt::black;
    if (button == Qt::LeftButton) {
        int row = -1;
        if (y >= 180 && y < 420) row = 0;
        else if (y >= 450 && y < 750) row = 1;
        if (row >= 0) {
            FraOptDot->lblDotTop = row == 0 ? 180 : 450;
            for (int col = 0; col < 4; ++col) {
                if (x >= kColumnFrom[col] && x < kColumnFrom[col] + 240) {
                    SelectedDotIndex = row * 4 + col;
                    FraOptDot->lblDotLeft = kColumnLeft[col];
                    Picture1->previewWidth = SelectedDotIndex + 1;
                }
            }
        }
        FraOptDot->dotColor[SelectedDotIndex] = Qt::white;
        PenWidth = SelectedDotIndex + 1;
        Picture1->drawWidth = PenWidth;
    }
    FraOptDot->update();
}

void frmHeartDiagram::cmdDot_Click(int index)
{
    static const int x[8] = {359, 629, 899, 1169, 121, 391, 661, 931};
    FraOptDot_MouseDown(Qt::LeftButton, x[index], index < 4 ? 359 : 749);
}

// ---- mouse and keys on the surface ------------------------------------------------------------

void frmHeartDiagram::Picture1_MouseDown(Qt::MouseButtons, const QPoint& at)
{
    if (ToolName == QLatin1String("Line")) {
        Picture1->previewLine = QLine(at, at);
        Picture1->previewLineVisible = true;
    } else if (ToolName == QLatin1String("Oval") || ToolName == QLatin1String("Rectangle")) {
        Picture1->previewShapeOval = ToolName == QLatin1String("Oval");
        Picture1->previewShape = QRect(at, QSize(0, 0));
        BandAnchor = at;
        Picture1->previewShapeVisible = true;
    }
    Picture1->update();
}

void frmHeartDiagram::Picture1_MouseMove(Qt::MouseButtons buttons, const QPoint& at)
{
    const bool left = buttons == Qt::LeftButton;
    if (ToolName == QLatin1String("Text")) return;
    if (ToolName == QLatin1String("Line")) {
        if (left) {
            Picture1->previewColor = penColor();
            Picture1->previewLine.setP2(at);
            Picture1->update();
        }
    } else if (ToolName == QLatin1String("Pencil") || ToolName == QLatin1String("Eraser")) {
        if (left) {
            Picture1->drawWidth = PenWidth;
            Picture1->drawLine(at, LastPen);
        }
        LastPen = at;
    } else if (left) { // oval, rectangle
        Picture1->drawWidth = PenWidth;
        Picture1->previewColor = penColor();
        Picture1->previewShape = QRect(qMin(at.x(), BandAnchor.x()), qMin(at.y(), BandAnchor.y()), qAbs(at.x() - BandAnchor.x()),
                                       qAbs(at.y() - BandAnchor.y()));
        Picture1->update();
    }
}

void frmHeartDiagram::Picture1_MouseUp(Qt::MouseButton button, const QPoint& at)
{
    IsDirty = true;
    IsReset = false;
    const bool left = button == Qt::LeftButton;
    if (ToolName == QLatin1String("Text")) {
        if (!ActiveTextLabel) {
            auto* label = new QLabel(Picture1);
            label->setFont(textToolFont());
            label->setAttribute(Qt::WA_TranslucentBackground);
            label->move(at);
            label->show();
            lblArr << label;
            ActiveTextLabel = label;
        } else {
            CommitPendingText();
        }
    } else if (ToolName == QLatin1String("Line")) {
        if (left && Picture1->previewLine.p1() != Picture1->previewLine.p2()) {
            Picture1->drawWidth = PenWidth;
            Picture1->drawLine(Picture1->previewLine.p1(), Picture1->previewLine.p2());
        }
        if (left) Picture1->previewLineVisible = false;
    } else if (ToolName == QLatin1String("Oval") || ToolName == QLatin1String("Rectangle")) {
        if (left) {
            // A click or a straight drag makes no shape: nothing is drawn.
            const QRect r = ToolName == QLatin1String("Oval") ? Picture1->previewShape : QRect(BandAnchor, at).normalized();
            const QRect band(qMin(at.x(), BandAnchor.x()), qMin(at.y(), BandAnchor.y()), qAbs(at.x() - BandAnchor.x()),
                             qAbs(at.y() - BandAnchor.y()));
            Picture1->drawWidth = PenWidth;
            if (ToolName == QLatin1String("Oval")) {
                if (r.width() > 0 && r.height() > 0) Picture1->drawEllipse(r);
            } else if (band.width() > 0 && band.height() > 0) {
                Picture1->drawLine(band.topLeft(), band.topLeft() + QPoint(band.width(), 0));
                Picture1->drawLine(band.topLeft() + QPoint(0, band.height()), band.topLeft() + QPoint(band.width(), band.height()));
                Picture1->drawLine(band.topLeft(), band.topLeft() + QPoint(0, band.height()));
                Picture1->drawLine(band.topLeft() + QPoint(band.width(), 0), band.topLeft() + QPoint(band.width(), band.height()));
            }
            Picture1->previewShapeVisible = false;
        }
    }
    Picture1->update();
}

void frmHeartDiagram::Picture1_KeyPress(int key, const QString& text)
{
    if (ToolName != QLatin1String("Text") || !ActiveTextLabel) return;
    QLabel* label = ActiveTextLabel;
    QString caption = label->text();
    if (caption.endsWith(QLatin1Char('|'))) caption.chop(1);
    if (key == 8) {
        if (!caption.isEmpty()) caption.chop(1);
    } else if (key != 13) {
        label->setStyleSheet(QStringLiteral("color: %1;").arg(penColor().name()));
        caption += text;
    }
    label->setText(caption);
    label->adjustSize();
}

void frmHeartDiagram::Timer1_Timer()
{
    if (ToolName != QLatin1String("Text") || !ActiveTextLabel) return;
    QString caption = ActiveTextLabel->text();
    if (caption.isEmpty()) caption = QStringLiteral("|");
    else if (caption.endsWith(QLatin1Char('|'))) caption.chop(1);
    else caption += QLatin1Char('|');
    ActiveTextLabel->setText(caption);
    ActiveTextLabel->adjustSize();
}

void frmHeartDiagram::CommitPendingText()
{
    if (ActiveTextLabel) {
        QString caption = ActiveTextLabel->text();
        if (caption.endsWith(QLatin1Char('|'))) caption.chop(1);
        if (!caption.isEmpty()) {
            Picture1->drawWidth = 1;
            Picture1->drawText(ActiveTextLabel->pos() + QPoint(1, 1), caption, ActiveTextLabel->font());
        }
        ActiveTextLabel->hide();
    }
    ActiveTextLabel = nullptr;
}

// ---- storage and commands ----------------------------------------------------------------------

void frmHeartDiagram::SaveDiagramImage()
{
    IsSaved = false;
    try {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!Picture1->image().save(&buffer, "BMP") || QImage::fromData(bytes).isNull()) {
            MsgBox(QStringLiteral("Invalid Picture File!"), vbOKOnly | vbInformation, QStringLiteral("Oops!"));
            return;
        }
        HeartDiagramData::SaveDiagram(SharedConnection(), IDNum, RequestNo, DialogAnswers.ValidatedUserID, bytes);
    } catch (const std::exception& e) {
        MsgBox(ErrorDescription(e), vbOKOnly | vbInformation, QStringLiteral("Warning"));
        return;
    }
    IsDirty = false;
    IsSaved = true;
    MsgBox(QStringLiteral("Trauma diagram updated."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
}

bool frmHeartDiagram::DeleteDiagramImage()
{
    try {
        HeartDiagramData::DeleteDiagram(SharedConnection(), IDNum, RequestNo);
    } catch (const std::exception& e) {
        MsgBox(ErrorDescription(e), vbOKOnly | vbCritical, QStringLiteral("Warning"));
        IsSaved = false;
        return false;
    }
    IsSaved = true;
    IsDirty = false;
    return true;
}

bool frmHeartDiagram::saveCommand()
{
    if (!ValidateUser({.right = QStringLiteral("34"), .rightRefusal = QStringLiteral("Sorry, you are not allowed to save Heart Diagram.")}))
        return false;
    CommitPendingText();
    SaveDiagramImage();
    return IsSaved;
}

void frmHeartDiagram::cmdSave_Click()
{
    if (saveCommand()) {
        IsSaved = false;
        close();
    }
}

void frmHeartDiagram::printDiagram()
{
    // The picture goes to the report through a file of a private folder, removed when the window closes.
    m_tempDir = std::make_unique<QTemporaryDir>();
    if (!m_tempDir->isValid()) throw std::runtime_error("No temporary folder for the heart diagram could be made.");
    const QString path = m_tempDir->filePath(RequestNo.isEmpty() ? QStringLiteral("diagram.bmp") : RequestNo + QStringLiteral(".bmp"));
    if (!Picture1->image().save(path, "BMP")) throw std::runtime_error("The heart diagram could not be written for printing.");
    ReportValues.ReportPicturePending = true;
    ReportValues.ReportPicturePath = path;
    Attending = HeartDiagramData::LoadAttendingDoctor(SharedConnection(), IDNum);
    CaseNo = HeartDiagramData::LoadCathLabNumber(SharedConnection(), IDNum);
    PrepareReport(ReportFilePath(QStringLiteral("HeartDiagram.rpt")),
                  {LastName, FirstName, MiddleName, Room, DatePerformed, Procedure, Age, Sex, HospNum, IDNum, Attending,
                   Interventionist, CaseNo, QString()});
    ShowReport(false, QStringLiteral("Heart Diagram"), false, true);
}

void frmHeartDiagram::cmdSavePrintClose_Click()
{
    if (!saveCommand()) return; // refused or failed: the drawing stays on screen
    try {
        printDiagram();
    } catch (const std::exception& e) {
        ReportValues.ReportPicturePending = false;
        ReportValues.ReportPicturePath.clear();
        m_tempDir.reset();
        ShowErrorNotice(e);
        return;
    }
    m_tempDir.reset();
    close();
}

void frmHeartDiagram::cmdClear_Click()
{
    if (MsgBox(QStringLiteral("This will clear all changes made. Are you sure to do perform action?"), vbYesNo | vbQuestion,
               QStringLiteral("Confirmation")) != vbYes)
        return;
    if (!ValidateUser({.right = QStringLiteral("35"), .rightRefusal = QStringLiteral("Sorry, you are not allowed to reset Heart Diagram.")}))
        return;
    CommitPendingText();
    IsDirty = true;
    IsReset = true;
    PaintBlankDiagram();
    SaveDiagramImage();
}

void frmHeartDiagram::cmdExit_Click()
{
    if (!IsDirty) {
        close();
        return;
    }
    const int answer = MsgBox(QStringLiteral("Do you want to save the changes before closing the application?"),
                              vbYesNoCancel | vbQuestion, QStringLiteral("Confirmation"));
    if (answer == vbYes) {
        if (IsReset && !DeleteDiagramImage()) return;
        if (saveCommand()) close(); // a refused or failed save keeps the drawing on screen
    } else if (answer == vbNo) {
        IsReset = false;
        IsDirty = false;
        close();
    }
}
