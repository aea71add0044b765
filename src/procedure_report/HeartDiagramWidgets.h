#pragma once
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLine>
#include <QRect>
#include <QWidget>

// The heart diagram's drawing surface: everything drawn stays in a bitmap (what is saved and
// printed); the previews of the line and shape tools are drawn over it, never into it.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }
    void setImage(const QImage& picture); // scaled to the surface when its size differs

    QColor drawColor = Qt::red;
    int drawWidth = 2;
    void drawLine(const QPoint& from, const QPoint& to);
    void drawEllipse(const QRect& bounds);
    void drawText(const QPoint& at, const QString& text, const QFont& font);

    bool previewLineVisible = false;
    QLine previewLine;
    bool previewShapeVisible = false;
    bool previewShapeOval = false;
    QRect previewShape;
    QColor previewColor = Qt::red;
    int previewWidth = 2;

Q_SIGNALS:
    void mouseDown(Qt::MouseButtons buttons, const QPoint& at);
    void mouseMove(Qt::MouseButtons buttons, const QPoint& at);
    void mouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, const QPoint& at);
    void keyTyped(int key, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_image;
};

// The pen-width panel: eight dots of growing size; a click (in twips of the panel) chooses one.
class PenWidthPanel : public QFrame {
    Q_OBJECT
public:
    explicit PenWidthPanel(QWidget* parent = nullptr);
    // Position of the selection box (twips) and the dots' colours: white for the chosen one.
    int lblDotLeft = 320, lblDotTop = 180;
    QColor dotColor[8];

Q_SIGNALS:
    void pressed(Qt::MouseButton button, int xTwips, int yTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The blank drawing of the heart and its coronary arteries, 679 x 591 pixels.
QImage BlankHeartDrawing();
