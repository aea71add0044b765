#pragma once
#include <QVariantMap>
#include <QWidget>

class QLabel;
class QFrame;

// A caption button that a window can place: a shape with a bold caption. Its caption, the button
// name, is a stored property of the window that holds it.
class txtCommand : public QWidget {
    Q_OBJECT
public:
    explicit txtCommand(QWidget* parent = nullptr);

    QFrame* shCommand;
    QLabel* lblCommand;

    QString ButtonName() const { return m_buttonName; }
    void setButtonName(const QString& name);
    // Whether the containing window has properties to save.
    bool PropertyChanged() const { return m_changed; }

    // A control placed anew.
    void UserControl_InitProperties();
    // Reads the stored properties (a failing or missing "ButtonName" keeps the current name).
    void UserControl_ReadProperties(const QVariantMap& bag);
    // Writes them; the name is always written.
    void UserControl_WriteProperties(QVariantMap& bag) const;

Q_SIGNALS:
    void clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_buttonName;
    bool m_changed = false;
};
