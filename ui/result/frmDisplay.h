// The result window: the answer of one check, with the way back to the input
// and the way out of the program.
#pragma once

#include "ui/result/ResultTexts.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>

namespace Ui {
class frmDisplay;
}

namespace horavela {

class frmDisplay : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window hidden, fixed in size and centred on the screen. Back
    // shows inputWindow again.
    explicit frmDisplay(QWidget* inputWindow);
    ~frmDisplay() override;

    void writeResult(const ResultTexts& texts);

    // False once Back or Exit has unloaded the window; a check then needs a new one.
    bool isLoaded() const { return loaded_; }

signals:
    // The month of the checked place is asked for; the input window opens it.
    void monthRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A screen reader announces the verdict as the window comes up.
    void showEvent(QShowEvent* event) override;

private slots:
    void cmdOK_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();

private:
    void applyLook();
    void connectControls();
    void fitChosenDate();
    void fitPeriodRow();
    void Form_Unload();

    std::unique_ptr<Ui::frmDisplay> ui_;
    QPointer<QWidget> inputWindow_;
    bool loaded_ = true;
    bool goingBack_ = false;
    QRect designedDate_;
    QString designedPeriodCaption_;
};

} // namespace horavela
