// A Form1 on the scripted desktop, with helpers to read what it wrote.
#pragma once

#include "calculator/form1.h"
#include "tests/support/scripted_desktop.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace calculator {

class Form1Test : public ::testing::Test {
protected:
    testing_support::ScriptedDesktop desk;
    std::unique_ptr<Form1> form;

    // The window loads (and computes its first previews) on the day the clock shows.
    void open(QDate today = QDate(2026, 1, 1), Form1::SinkWrapper wrap = {}) {
        desk.clock = QDateTime(today, QTime(12, 0, 0));
        form = std::make_unique<Form1>(desk, std::move(wrap));
    }
    void SetUp() override { open(); }

    void typeInto(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    void enterPlace(const QString& city, const QString& lat, const QString& lon, const QString& zone) {
        form->Combo1[0]->setEditText(city);
        form->Text1[1]->setText(lat);
        form->Text1[2]->setText(lon);
        form->Text1[3]->setText(zone);
    }
    void create() { QTest::mouseClick(form->Command1[1], Qt::LeftButton); }

    QString path(const QString& name) const { return desk.folder + "/" + name; }
    static std::string readFile(const QString& file) {
        std::ifstream in(file.toStdString(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void writeFile(const QString& file, const std::string& bytes) {
        std::ofstream out(file.toStdString(), std::ios::binary);
        out << bytes;
    }
    QStringList folderEntries() const {
        return QDir(desk.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

}  // namespace calculator
