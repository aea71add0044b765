#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;
class QSize;
class AgentCharacterWindow;

// Where a window of the given size stands inside the area: the first place, from the bottom-right
// corner up and then leftwards, that meets none of the rectangles, else the place that covers the
// least of the first tier of rectangles, then of the second, and so on.
QPoint ClearPlace(const QRect& area, const QSize& size, const QList<QList<QRect>>& tiers);

// The announcer: a character of our own (an SVG picture) that stands at a corner of the screen,
// plays a short animation, shows a speech balloon and, where a text-to-speech engine exists and
// the run is not scripted by a test, says the text aloud.
//
// The user may drag it aside with the mouse.
//
// Requests (show, play, speak, hide) are queued the way a caller expects of an agent: each call
// returns at once; stop() drops what is still playing.
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
    // Where the character's window stands on the screen (balloon included).
    QRect geometry() const;
    // Moves the character to the free place nearest the bottom-right corner of the screen where
    // it covers none of the given rectangles (screen coordinates, in tiers: what it must not
    // cover first); when no place is free, to the one that covers least, tier by tier (see
    // ClearPlace). A place the user dragged it to is kept.
    void keepClearOf(const QList<QList<QRect>>& tiers);
    // The user has dragged the character aside.
    bool userPlaced() const { return m_userPlaced; }
    void show();
    void hide();
    bool isVisible() const;
    // Plays one of the character's animations ("announce"); an unknown name does nothing.
    void play(const QString& animation);
    bool isPlaying() const;
    // Shows the balloon with the text and speaks it when speech is available.
    void speak(const QString& text);
    // Stops what the character is playing and saying.
    void stop();
    QString lastSpoken() const { return m_lastSpoken; }
    QString balloonText() const;
    bool balloonVisible() const;
    // An engine exists and the run is not scripted (tests are always silent).
    bool speechAvailable() const;

    // What the character was asked to do, in order ("Show", "Play announce", "Speak ...", "Hide", "Stop").
    const QStringList& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

    // How long the balloon stays after the text was said.
    static constexpr int kBalloonMs = 8000;

Q_SIGNALS:
    // The character was double-clicked; the argument is its ID.
    void doubleClicked(const QString& characterId);

private:
    void sayAloud(const QString& text);
    friend class AgentCharacterWindow;

    QString m_id;
    QString m_lastSpoken;
    QStringList m_requests;
    QPointer<AgentCharacterWindow> m_window;
    QObject* m_speech = nullptr;
    bool m_userPlaced = false;
};
