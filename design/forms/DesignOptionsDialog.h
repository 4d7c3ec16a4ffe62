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

class DesignOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // `drawPlan` draws the whole plan on the canvas; OK calls it.
    DesignOptionsDialog(Session& session, MessageBoxes& messages, std::function<void()> drawPlan,
                        QWidget* parent = nullptr);

    void Form_Load();
    // The curb's two fields follow its switch.
    void VedDatiCordolo();
    void AssemblyBarChosen();
    void CurbClicked();
    void OkClicked();
    void CancelClicked();

    int32_t AssemblyBarItem = 0;

    QLabel* assemblyBarLabel = nullptr;
    QComboBox* assemblyBarCombo = nullptr;
    QLabel* maxUpperBarLabel = nullptr;
    QLineEdit* maxUpperBarEdit = nullptr;
    QCheckBox* groupLowerBarsCheck = nullptr;
    QCheckBox* curbCheck = nullptr;
    QLineEdit* curbSpanEdit = nullptr;  // the span above which a floor slab gets the curb
    QLabel* curbWidthLabel = nullptr;
    QLineEdit* curbWidthEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& session_;
    MessageBoxes& messages_;
    std::function<void()> drawPlan_;
};
