// The About window: program name, description, rights and two links.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace horavela {

// Shows the About window modally, centred on the screen; returns when it is closed.
void showAboutWindow(QWidget* owner);

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

private slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

private:
    std::unique_ptr<Ui::frmAbout> ui_;
};

} // namespace horavela
