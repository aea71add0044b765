#include "platform/agent/Agent.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#ifdef CATHLAB_HAVE_SPEECH
#include <QTextToSpeech>
#endif

class AgentCharacterWindow : public QWidget {
public:
    AgentCharacterWindow(const QByteArray& svg, Agent* agent)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_agent(agent)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setObjectName(QStringLiteral("Agent1"));
        m_renderer = new QSvgRenderer(svg, this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        balloon = new QLabel(this);
        balloon->setObjectName(QStringLiteral("balloon"));
        balloon->setWordWrap(true);
        balloon->setStyleSheet(QStringLiteral("background:#ffffe1;border:1px solid #555;border-radius:8px;padding:6px;color:#000;"));
        balloon->hide();
        layout->addWidget(balloon);
        layout->addStretch();
        setFixedSize(160, 220);
    }
    QLabel* balloon;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_renderer->render(&p, QRectF(20, 80, 120, 140));
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { Q_EMIT m_agent->doubleClicked(); }

private:
    QSvgRenderer* m_renderer;
    Agent* m_agent;
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
void Agent::show() { if (m_window) m_window->show(); }
void Agent::hide() { if (m_window) m_window->hide(); }
bool Agent::isVisible() const { return m_window && m_window->isVisible(); }

bool Agent::speechAvailable() const
{
#ifdef CATHLAB_HAVE_SPEECH
    return !QTextToSpeech::availableEngines().isEmpty();
#else
    return false;
#endif
}

void Agent::speak(const QString& text)
{
    m_lastSpoken = text;
    if (m_window) {
        m_window->balloon->setText(text);
        m_window->balloon->show();
        QPointer<AgentCharacterWindow> w = m_window;
        QTimer::singleShot(6000, this, [w] { if (w) w->balloon->hide(); });
    }
#ifdef CATHLAB_HAVE_SPEECH
    if (speechAvailable()) {
        if (!m_speech) m_speech = new QTextToSpeech(this);
        static_cast<QTextToSpeech*>(m_speech)->say(text);
    }
#endif
}
