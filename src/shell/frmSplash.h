#pragma once
#include <QDialog>

class QLabel;
class QTimer;

// The splash window of the start: the station's picture, name and maker; it closes itself one
// second after it opens.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* imgLogo;
    QLabel* lblTitle;
    QLabel* lblStation;
    QLabel* lblCompany;
    QLabel* lblPlatform;
    QTimer* Timer1;

    void Form_Load();
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_loaded = false;
};
