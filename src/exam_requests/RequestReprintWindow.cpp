#include "exam_requests/RequestReprintWindow.h"

#include "platform/db/Recordset.h"
#include "platform/text/Twips.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/KeyFilters.h"
#include "platform/ui/MessageBox.h"
#include "shared/GridBinding.h"
#include "shared/modGlobalsRoutines.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RequestReprintWindow::RequestReprintWindow(const QString& objectName, const QString& caption, const QString& frameCaption,
                                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    auto* root = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("Search by: "), this);
    cboSearchType = new QComboBox(this);
    cboSearchType->setObjectName(QStringLiteral("cboSearchType"));
    cboSearchType->addItems({QStringLiteral("Hospital No."), QStringLiteral("ID No."), QStringLiteral("Lastname")});
    cboSearchType->setCurrentIndex(2);
    cboSearchType->installEventFilter(this); // changed with the mouse only
    txtKey = new QLineEdit(this);
    txtKey->setObjectName(QStringLiteral("txtKey"));
    txtKey->installEventFilter(this);
    Shape6 = new QFrame(this);
    Shape6->setObjectName(QStringLiteral("Shape6"));
    Shape6->setAutoFillBackground(true);
    lblRegister = new QLabel(QStringLiteral("Search"), Shape6);
    lblRegister->setObjectName(QStringLiteral("lblRegister"));
    lblRegister->setStyleSheet(QStringLiteral("color: white; padding: 3px 14px"));
    lblRegister->setMouseTracking(true);
    lblRegister->installEventFilter(this);
    (new QHBoxLayout(Shape6))->addWidget(lblRegister);
    Shape6->layout()->setContentsMargins(0, 0, 0, 0);
    setShapeColor(QColor(0, 114, 188));
    top->addWidget(Label1);
    top->addWidget(cboSearchType);
    top->addWidget(txtKey, 1);
    top->addWidget(Shape6);
    root->addLayout(top);
    Frame1 = new QGroupBox(frameCaption, this);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    auto* fl = new QVBoxLayout(Frame1);
    mshRequests = new FlexGrid(Frame1);
    mshRequests->setObjectName(QStringLiteral("mshRequests"));
    mshRequests->setSelectionBehavior(QAbstractItemView::SelectRows);
    fl->addWidget(mshRequests);
    root->addWidget(Frame1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdPrint = new QPushButton(QStringLiteral("&Reprint"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {cmdPrint, cmdClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    root->addLayout(buttons);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    resize(TwipsToPixels(15000), TwipsToPixels(6500));
}

void RequestReprintWindow::setShapeColor(const QColor& c)
{
    QPalette p = Shape6->palette();
    p.setColor(QPalette::Window, c);
    Shape6->setPalette(p);
}

void RequestReprintWindow::SetupGrid()
{
    mshRequests->clearContents();
    mshRequests->setRows(2);
    mshRequests->setFormatString(formatText());
    mshRequests->setCols(columnCount());
    const QVector<int> widths = columnWidths();
    for (int c = 0; c < widths.size() && c < columnCount(); ++c) mshRequests->setColWidth(c, widths[c]);
    for (int c = 1; c < columnCount(); ++c) mshRequests->setTextMatrix(1, c, QString());
}

QString RequestReprintWindow::SearchLetter() const
{
    const QString t = cboSearchType->currentText().toUpper();
    if (t == QLatin1String("HOSPITAL NO.")) return QStringLiteral("A");
    if (t == QLatin1String("ID NO.")) return QStringLiteral("B");
    if (t == QLatin1String("LASTNAME")) return QStringLiteral("C");
    return QString();
}

void RequestReprintWindow::lblRegister_Click()
{
    if (cboSearchType->currentText().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please select search type."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    if (txtKey->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please enter search key."), vbOKOnly | vbInformation, QStringLiteral("Notification"));
        return;
    }
    try {
        const QString letter = SearchLetter();
        SetupGrid();
        const Recordset rs = search(letter, txtKey->text());
        if (!rs.isEmpty()) {
            BindRecordset(mshRequests, rs);
            const QVector<int> widths = columnWidths();
            for (int c = 0; c < widths.size() && c < mshRequests->Cols(); ++c) mshRequests->setColWidth(c, widths[c]);
            mshRequests->setCurrentCell(1, 1);
        }
    } catch (const std::exception& e) {
        ShowErrorNotice(e);
    }
}

QString RequestReprintWindow::currentCell(int col) const
{
    const int row = qMax(1, mshRequests->currentRow());
    if (row >= mshRequests->Rows() || col >= mshRequests->Cols()) return QString();
    return mshRequests->TextMatrix(row, col);
}

void RequestReprintWindow::ColorRowsByStatus()
{
    if (mshRequests->Cols() <= 10) return;
    for (int r = 1; r < mshRequests->Rows(); ++r) {
        const QString status = mshRequests->TextMatrix(r, 10);
        QColor back;
        if (status == QLatin1String("R")) back = QColor(255, 192, 192);
        else if (status == QLatin1String("X")) back = QColor(191, 220, 238);
        else continue;
        for (int c = 0; c < mshRequests->Cols(); ++c) {
            if (!mshRequests->item(r, c)) mshRequests->setTextMatrix(r, c, QString());
            mshRequests->item(r, c)->setBackground(back);
        }
    }
}

bool RequestReprintWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    if (watched == cboSearchType && (t == QEvent::KeyPress || t == QEvent::ShortcutOverride)) return true;
    if (watched == txtKey && t == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            lblRegister_Click();
            return true;
        }
        return SendKeyInUpperCase(txtKey, key);
    }
    if (watched == lblRegister) {
        QFont f = lblRegister->font();
        if (t == QEvent::MouseButtonPress) {
            f.setPointSizeF(f.pointSizeF() + 1);
            f.setUnderline(true);
            lblRegister->setFont(f);
        } else if (t == QEvent::MouseButtonRelease) {
            f.setPointSizeF(font().pointSizeF());
            f.setUnderline(false);
            lblRegister->setFont(f);
            lblRegister_Click();
        } else if (t == QEvent::MouseMove || t == QEvent::Enter) {
            setShapeColor(QColor(0, 0, 255));
        }
    }
    if (watched == Frame1 && (t == QEvent::MouseMove || t == QEvent::Enter)) setShapeColor(QColor(0, 114, 188));
    return QDialog::eventFilter(watched, event);
}
