// The About box: the product name and the year of first release; it closes
// itself three seconds after it becomes active, or at Esc.
#pragma once

#include "desktop/desktop.h"

#include <QDialog>
#include <QTimer>

class QFrame;
class QLabel;
class QPushButton;

namespace announcer {

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(desktop::Desktop& desk, QWidget* parent = nullptr);

    QFrame* fraMainFrame;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;  // no caption, below the frame's edge: only Esc reaches it
    QTimer Timer1;

    void Form_Activate();
    void Timer1_Timer();
    void Command1_Click();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;     // the box carries no name at all
    void keyPressEvent(QKeyEvent* e) override;  // Esc presses the cancel button

private:
    desktop::Desktop& desk_;
};

}  // namespace announcer
