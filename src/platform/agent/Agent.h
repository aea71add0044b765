#pragma once
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class AgentCharacterWindow;

// The announcer: a character of our own (an SVG picture) that stands at a corner of the screen,
// shows a speech balloon and, where a text-to-speech engine exists, says the text aloud.
class Agent : public QObject {
    Q_OBJECT
public:
    explicit Agent(QObject* parent = nullptr);
    ~Agent() override;

    // Loads the character picture; throws std::runtime_error when the file is missing or unreadable.
    void load(const QString& characterId, const QString& file);
    bool isLoaded() const { return !m_window.isNull(); }
    QString characterId() const { return m_id; }
    void unload(const QString& characterId);

    int width() const;
    int height() const;
    void moveTo(int x, int y);
    QPoint position() const;
    void show();
    void hide();
    bool isVisible() const;
    // Shows the balloon with the text (and speaks it when speech is available).
    void speak(const QString& text);
    QString lastSpoken() const { return m_lastSpoken; }
    bool speechAvailable() const;

Q_SIGNALS:
    void doubleClicked();

private:
    QString m_id;
    QString m_lastSpoken;
    QPointer<AgentCharacterWindow> m_window;
    QObject* m_speech = nullptr;
};
