#include "platform/agent/Agent.h"

#include "platform/ui/MessageBox.h"

#include <QBitmap>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QGuiApplication>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVariantAnimation>
#include <QtMath>
#include <stdexcept>

#ifdef CATHLAB_HAVE_SPEECH
#include <QTextToSpeech>
#endif

// The character's own window: a frameless, always-on-top tool window with the balloon above the
// picture. The "announce" animation lifts the character and waves it a little.
class AgentCharacterWindow : public QWidget {
public:
    AgentCharacterWindow(const QByteArray& svg, Agent* agent)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
          m_agent(agent)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setObjectName(QStringLiteral("Agent1"));
        m_renderer = new QSvgRenderer(svg, this);
        balloon = new QLabel(this);
        balloon->setObjectName(QStringLiteral("balloon"));
        balloon->setWordWrap(true);
        balloon->setAlignment(Qt::AlignCenter);
        balloon->setStyleSheet(QStringLiteral(
            "background:#ffffe1; border:1px solid #555; border-radius:8px; padding:6px; color:#000; font-weight:bold;"));
        balloon->setGeometry(4, 4, 152, 62);
        balloon->hide();
        setFixedSize(160, 230);

        animation = new QVariantAnimation(this);
        animation->setStartValue(0.0);
        animation->setEndValue(1.0);
        animation->setDuration(1600);
        QObject::connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            m_phase = v.toDouble();
            updateShape();
        });
        QObject::connect(animation, &QVariantAnimation::finished, this, [this] {
            m_phase = 0;
            updateShape();
        });
        updateShape();
    }
    QLabel* balloon;
    QVariantAnimation* animation;

    // Shows or hides the balloon, with the window's shape.
    void setBalloonVisible(bool on)
    {
        balloon->setVisible(on);
        updateShape();
    }

    // Without a compositor a translucent window shows black where nothing is painted: the window
    // takes the shape of the character (and of the balloon while it shows).
    void updateShape()
    {
        QImage img(size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            drawCharacter(p);
        }
        QRegion shape(QBitmap::fromImage(img.createAlphaMask()));
        if (balloon->isVisibleTo(this)) shape += balloon->geometry();
        setMask(shape);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        drawCharacter(p);
    }

    void drawCharacter(QPainter& p)
    {
        p.setRenderHint(QPainter::Antialiasing);
        // two hops with a small sway: the character calls for attention
        const double hop = std::abs(qSin(m_phase * 2 * M_PI)) * 14.0 * (1.0 - m_phase * 0.3);
        const double sway = qSin(m_phase * 4 * M_PI) * 4.0;
        p.translate(80 + sway, 225 - hop);
        p.rotate(sway);
        m_renderer->render(&p, QRectF(-60, -140, 120, 140));
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { Q_EMIT m_agent->doubleClicked(m_agent->characterId()); }
    // The user drags the character aside by its picture.
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) m_grab = e->globalPosition().toPoint() - pos();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (!(e->buttons() & Qt::LeftButton) || m_grab.isNull()) return;
        move(e->globalPosition().toPoint() - m_grab);
        m_agent->m_userPlaced = true;
    }
    void mouseReleaseEvent(QMouseEvent*) override { m_grab = QPoint(); }

private:
    QSvgRenderer* m_renderer;
    Agent* m_agent;
    double m_phase = 0;
    QPoint m_grab;
};

Agent::Agent(QObject* parent) : QObject(parent) {}

Agent::~Agent()
{
    if (m_window) delete m_window.data();
}

void Agent::load(const QString& characterId, const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("The character file cannot be read.");
    const QByteArray svg = f.readAll();
    QSvgRenderer probe(svg);
    if (!probe.isValid()) throw std::runtime_error("The character file is not a picture.");
    if (m_window) delete m_window.data();
    m_window = new AgentCharacterWindow(svg, this);
    m_userPlaced = false;
    m_id = characterId;
}

void Agent::unload(const QString& characterId)
{
    if (m_window && characterId.compare(m_id, Qt::CaseInsensitive) == 0) {
        delete m_window.data();
        m_id.clear();
    }
}

int Agent::width() const { return m_window ? m_window->width() : 0; }
int Agent::height() const { return m_window ? m_window->height() : 0; }
void Agent::moveTo(int x, int y) { if (m_window) m_window->move(x, y); }
QPoint Agent::position() const { return m_window ? m_window->pos() : QPoint(); }
QRect Agent::geometry() const { return m_window ? m_window->frameGeometry() : QRect(); }

QPoint ClearPlace(const QRect& area, const QSize& size, const QList<QList<QRect>>& tiers)
{
    // How much of each tier a place would cover.
    auto cost = [&tiers](const QRect& place) {
        QList<qint64> sums;
        for (const QList<QRect>& rects : tiers) {
            qint64 sum = 0;
            for (const QRect& c : rects) {
                const QRect both = place.intersected(c);
                if (!both.isEmpty()) sum += qint64(both.width()) * both.height();
            }
            sums << sum;
        }
        return sums;
    };
    const QList<qint64> nothing(tiers.size(), 0);
    // From the bottom-right corner up the right edge (where windows keep their action buttons
    // apart), then a column further left, and so on; the first free place wins, and when none is
    // free the place that covers least of the first tier, then of the next.
    constexpr int step = 16;
    QPoint best(area.right() + 1 - size.width(), area.bottom() + 1 - size.height());
    QList<qint64> least;
    for (int x = area.right() + 1 - size.width(); x >= area.left(); x -= step) {
        for (int y = area.bottom() + 1 - size.height(); y >= area.top(); y -= step) {
            const QRect place(QPoint(x, y), size);
            const QList<qint64> c = cost(place);
            if (least.isEmpty() || c < least) {
                least = c;
                best = place.topLeft();
            }
            if (c == nothing) return best;
        }
    }
    return best;
}

void Agent::keepClearOf(const QList<QList<QRect>>& tiers)
{
    if (!m_window || m_userPlaced) return;
    const QScreen* screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    m_window->move(ClearPlace(screen->availableGeometry(), m_window->size(), tiers));
}
bool Agent::isVisible() const { return m_window && m_window->isVisible(); }
bool Agent::isPlaying() const { return m_window && m_window->animation->state() == QAbstractAnimation::Running; }
QString Agent::balloonText() const { return m_window ? m_window->balloon->text() : QString(); }
bool Agent::balloonVisible() const { return m_window && m_window->balloon->isVisible(); }

void Agent::show()
{
    m_requests << QStringLiteral("Show");
    if (m_window) m_window->show();
}

void Agent::hide()
{
    m_requests << QStringLiteral("Hide");
    if (m_window) m_window->hide();
}

void Agent::play(const QString& animation)
{
    m_requests << QStringLiteral("Play ") + animation;
    if (!m_window || animation.compare(QLatin1String("announce"), Qt::CaseInsensitive) != 0) return;
    m_window->animation->stop();
    m_window->animation->start();
}

void Agent::speak(const QString& text)
{
    m_requests << QStringLiteral("Speak ") + text;
    m_lastSpoken = text;
    if (m_window) {
        m_window->balloon->setText(text);
        m_window->setBalloonVisible(true);
        QPointer<AgentCharacterWindow> w = m_window;
        QTimer::singleShot(kBalloonMs, m_window, [w, text] {
            if (w && w->balloon->text() == text) w->setBalloonVisible(false);
        });
    }
    sayAloud(text);
}

void Agent::stop()
{
    m_requests << QStringLiteral("Stop");
    if (m_window) {
        m_window->animation->stop();
        m_window->setBalloonVisible(false);
    }
#ifdef CATHLAB_HAVE_SPEECH
    if (m_speech) static_cast<QTextToSpeech*>(m_speech)->stop();
#endif
}

bool Agent::speechAvailable() const
{
    if (UiScript::active()) return false;
#ifdef CATHLAB_HAVE_SPEECH
    return !QTextToSpeech::availableEngines().isEmpty();
#else
    return false;
#endif
}

void Agent::sayAloud(const QString& text)
{
#ifdef CATHLAB_HAVE_SPEECH
    if (!speechAvailable()) return;
    if (!m_speech) m_speech = new QTextToSpeech(this);
    auto* tts = static_cast<QTextToSpeech*>(m_speech);
    if (tts->state() == QTextToSpeech::Error) return; // no audio at this workstation: the balloon says it
    tts->say(text);
#else
    Q_UNUSED(text);
#endif
}
