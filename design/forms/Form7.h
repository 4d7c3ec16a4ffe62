#pragma once
// The design options dialog "Progetto Solai": the lower assembly bars, their grouping, the longest
// upper bar and the distribution curb of long floor slabs. OK stores the options for the next
// design and redraws the plan; Cancel closes without storing.
#include <QDialog>

#include <cstdint>
#include <functional>

#include "model/Session.h"
#include "platform/MessageBox.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Form7 : public QDialog {
    Q_OBJECT

public:
    // `drawPlan` draws the whole plan on the canvas; OK calls it.
    Form7(Session& session, MessageBoxes& messages, std::function<void()> drawPlan, QWidget* parent = nullptr);

    void Form_Load();
    // The curb's two fields follow its switch.
    void VedDatiCordolo();
    void Combo1_Click();
    void Check4_Click();
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel

    int32_t AssemblyBarItem = 0;

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check4 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& session_;
    MessageBoxes& messages_;
    std::function<void()> drawPlan_;
};
