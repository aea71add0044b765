#include "procedure_report/HeartDiagramWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent), m_image(699, 610, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Picture1"));
    m_image.fill(Qt::white);
    setFixedSize(m_image.size());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void DrawingSurface::setImage(const QImage& picture)
{
    QImage img = picture.convertToFormat(QImage::Format_RGB32);
    if (img.size() != m_image.size()) img = img.scaled(m_image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_image = img;
    update();
}

void DrawingSurface::drawLine(const QPoint& from, const QPoint& to)
{
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(drawColor, drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    update();
}

void DrawingSurface::drawEllipse(const QRect& bounds)
{
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(drawColor, drawWidth));
    p.drawEllipse(bounds);
    update();
}

void DrawingSurface::drawText(const QPoint& at, const QString& text, const QFont& font)
{
    QPainter p(&m_image);
    p.setPen(drawColor);
    p.setFont(font);
    const QFontMetrics fm(font);
    p.drawText(at + QPoint(0, fm.ascent()), text);
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
    if (previewLineVisible) {
        p.setPen(QPen(previewColor, previewWidth));
        p.drawLine(previewLine);
    }
    if (previewShapeVisible) {
        p.setPen(QPen(previewColor, previewWidth));
        if (previewShapeOval) p.drawEllipse(previewShape);
        else p.drawRect(previewShape);
    }
}

void DrawingSurface::mousePressEvent(QMouseEvent* e)
{
    setFocus();
    Q_EMIT mouseDown(e->buttons(), e->position().toPoint());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* e) { Q_EMIT mouseMove(e->buttons(), e->position().toPoint()); }

void DrawingSurface::mouseReleaseEvent(QMouseEvent* e) { Q_EMIT mouseUp(e->button(), e->buttons(), e->position().toPoint()); }

void DrawingSurface::keyPressEvent(QKeyEvent* e)
{
    int key = 0;
    if (e->key() == Qt::Key_Backspace) key = 8;
    else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) key = 13;
    else if (!e->text().isEmpty()) key = e->text().at(0).unicode();
    if (key) Q_EMIT keyTyped(key, e->text());
    else QWidget::keyPressEvent(e);
}

PenWidthPanel::PenWidthPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("FraOptDot"));
    setFixedSize(1155 / 15, 765 / 15);
    for (QColor& c : dotColor) c = Qt::black;
}

void PenWidthPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    for (int i = 0; i < 8; ++i) {
        const int size = (30 + 15 * i) / 15;
        const int cx = (i < 4 ? 240 + 270 * i : 240 + 270 * (i - 4)) / 15;
        const int cy = (i < 4 ? 300 : 600) / 15;
        p.setPen(dotColor[i]);
        p.setBrush(dotColor[i]);
        p.drawEllipse(QPointF(cx, cy), size / 2.0 + 0.5, size / 2.0 + 0.5);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::yellow);
    p.drawRect(lblDotLeft / 15, lblDotTop / 15, 255 / 15, 255 / 15);
}

void PenWidthPanel::mousePressEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    Q_EMIT pressed(e->button(), at.x() * 15, at.y() * 15);
}

QImage BlankHeartDrawing()
{
    QImage img(679, 591, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2.5));
    // the heart's outline
    QPainterPath heart;
    heart.moveTo(300, 110);
    heart.cubicTo(180, 90, 110, 200, 130, 320);
    heart.cubicTo(150, 430, 260, 510, 360, 550);
    heart.cubicTo(470, 500, 560, 400, 565, 300);
    heart.cubicTo(570, 190, 500, 120, 420, 120);
    heart.cubicTo(380, 120, 340, 115, 300, 110);
    p.drawPath(heart);
    // the great vessels
    p.drawLine(300, 110, 290, 30);
    p.drawLine(360, 115, 370, 30);
    p.drawArc(QRect(280, 10, 140, 90), 0, 180 * 16);
    p.drawLine(420, 120, 470, 50);
    // the arteries
    p.setPen(QPen(Qt::black, 2));
    QPainterPath rca; // right coronary artery
    rca.moveTo(300, 150);
    rca.cubicTo(220, 190, 180, 290, 210, 390);
    rca.cubicTo(240, 460, 300, 500, 340, 520);
    p.drawPath(rca);
    QPainterPath lm; // left main, anterior descending, circumflex
    lm.moveTo(370, 150);
    lm.lineTo(400, 190);
    p.drawPath(lm);
    QPainterPath lad;
    lad.moveTo(400, 190);
    lad.cubicTo(390, 280, 370, 400, 355, 530);
    p.drawPath(lad);
    QPainterPath lcx;
    lcx.moveTo(400, 190);
    lcx.cubicTo(470, 210, 530, 260, 540, 350);
    p.drawPath(lcx);
    QPainterPath diag;
    diag.moveTo(393, 260);
    diag.cubicTo(430, 300, 460, 340, 470, 390);
    p.drawPath(diag);
    QPainterPath om;
    om.moveTo(500, 230);
    om.cubicTo(500, 300, 490, 350, 470, 420);
    p.drawPath(om);
    QPainterPath pda;
    pda.moveTo(215, 400);
    pda.cubicTo(260, 430, 300, 470, 330, 515);
    p.drawPath(pda);
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(14);
    p.setFont(f);
    p.drawText(150, 240, QStringLiteral("RCA"));
    p.drawText(405, 170, QStringLiteral("LM"));
    p.drawText(340, 330, QStringLiteral("LAD"));
    p.drawText(540, 300, QStringLiteral("LCX"));
    p.drawText(230, 470, QStringLiteral("PDA"));
    return img;
}
