// The language list that Help > Switch Application Language opens: the
// desktop's language or one of those Horavela speaks, each in its own script.
// OK keeps the choice and puts it in use at once in every open window.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmLanguage;
}

namespace horavela {

class frmLanguage : public QDialog {
    Q_OBJECT

public:
    explicit frmLanguage(QWidget* parent);
    ~frmLanguage() override;

private slots:
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::frmLanguage> ui_;
};

} // namespace horavela
