#include "announcer/frm_splash.h"

#include "window_common/centre_window.h"
#include "window_common/twips.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using window_common::Twips;
using window_common::TwipsToPixels;

namespace announcer {

frmSplash::frmSplash(desktop::Desktop& desk, QWidget* parent) : QDialog(parent), desk_(desk) {
    setAttribute(Qt::WA_DeleteOnClose);  // closing unloads: the next "About ..." starts afresh
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setFixedSize(TwipsToPixels(4530), TwipsToPixels(1935));

    fraMainFrame = new QFrame(this);
    fraMainFrame->setFrameShape(QFrame::Box);
    fraMainFrame->setFrameShadow(QFrame::Sunken);
    fraMainFrame->setGeometry(Twips(45, 0, 4410, 1800));

    Label1 = new QLabel(QStringLiteral("Kelvora"), fraMainFrame);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(Twips(330, 150, 3825, 735));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPointSizeF(32.25);
    title.setBold(true);
    title.setItalic(true);
    Label1->setFont(title);

    Label2 = new QLabel(QStringLiteral("First released: 2002"), fraMainFrame);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setGeometry(Twips(180, 1350, 4140, 255));
    Label2->setAlignment(Qt::AlignCenter);
    QFont note(QStringLiteral("Comic Neue"));
    note.setPointSizeF(9);
    Label2->setFont(note);

    Command1 = new QPushButton(fraMainFrame);
    Command1->setGeometry(Twips(2010, 1860, 1245, 405));
    Command1->setFocusPolicy(Qt::NoFocus);
    connect(Command1, &QPushButton::clicked, this, &frmSplash::Command1_Click);

    // Not running until the box becomes active.
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    window_common::CentreByOuterFrame(this, 0);
}

bool frmSplash::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(e);
}

void frmSplash::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    desk_.clearWindowName(this);
}

void frmSplash::Form_Activate() { Timer1.start(3000); }

void frmSplash::Timer1_Timer() {
    Timer1.stop();
    close();
}

void frmSplash::Command1_Click() { close(); }

void frmSplash::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape)
        Command1->click();
    else
        QDialog::keyPressEvent(e);
}

}  // namespace announcer
