// The time zone picker: a borderless pop-up list of named zones. A
// double-click writes the zone into the two zone boxes it was given and closes
// the picker; Quit, Enter and Esc close it and write nothing.
#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;

namespace Ui {
class frmTimeZone;
}

namespace horavela {

class frmTimeZone : public QDialog {
    Q_OBJECT

public:
    // Loads the window, which fills its list. The boxes must outlive it.
    frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent = nullptr);
    ~frmTimeZone() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::frmTimeZone> ui_;
    QLineEdit& zoneHour_;
    QLineEdit& zoneMinute_;
};

} // namespace horavela
