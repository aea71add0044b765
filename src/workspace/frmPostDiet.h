#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Post New Diet": changes the diet of the workspace's patient after a user validation.
class frmPostDiet : public QDialog {
    Q_OBJECT
public:
    explicit frmPostDiet(QWidget* parent = nullptr);
    QLineEdit *txtOldDiet = nullptr, *txtNewDiet = nullptr, *txtDietCode = nullptr, *txtRemarks = nullptr;
    QPushButton* cmdSearchDiet = nullptr;
    QCheckBox* chkExtraMeal = nullptr;
    QPushButton* Command1[2] = {}; // "Save New diet", "Cancel"
    void Form_Load();
    void cmdSearchDiet_Click();
    void Command1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool LoadCurrentDiet();
    void searchDiet(const QString& text);
    QString m_loadedRemarks;
};
