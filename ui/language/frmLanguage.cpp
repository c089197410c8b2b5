#include "ui/language/frmLanguage.h"

#include "ProgramVersion.h"
#include "platform/FitText.h"
#include "platform/Language.h"
#include "platform/PointSize.h"
#include "ui_frmLanguage.h"

#include <QListWidgetItem>

namespace horavela {

namespace {

// The row's language code; empty for the desktop's language.
constexpr int CodeRole = Qt::UserRole;

} // namespace

frmLanguage::frmLanguage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmLanguage>()) {
    setFormFont(this);
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmLanguage::cmdOK_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmLanguage::cmdCancel_Click);
    connect(ui_->lstLanguage, &QListWidget::itemActivated, this, &frmLanguage::cmdOK_Click);
    Form_Load();
    fitTranslatedLabels(*this);
    ui_->lstLanguage->setFocus();
}

frmLanguage::~frmLanguage() = default;

void frmLanguage::Form_Load() {
    auto* system = new QListWidgetItem(tr("System language"), ui_->lstLanguage);
    system->setData(CodeRole, QString());
    // Each language in its own name and script, so that its speakers find it
    // whatever language the list is shown in.
    for (const Language& language : Languages) {
        auto* row = new QListWidgetItem(QString::fromUtf8(language.nativeName), ui_->lstLanguage);
        row->setData(CodeRole, QString::fromLatin1(language.code));
        row->setData(Qt::AccessibleTextRole, QString::fromUtf8(language.nativeName));
    }
    const QString kept = keptLanguage();
    for (int n = 0; n < ui_->lstLanguage->count(); ++n)
        if (ui_->lstLanguage->item(n)->data(CodeRole).toString() == kept)
            ui_->lstLanguage->setCurrentRow(n);
}

void frmLanguage::cmdOK_Click() {
    const QListWidgetItem* chosen = ui_->lstLanguage->currentItem();
    if (chosen) {
        const QString code = chosen->data(CodeRole).toString();
        keepLanguage(code);
        useLanguage(languageToSpeak(code));
    }
    accept();
}

void frmLanguage::cmdCancel_Click() {
    reject();
}

} // namespace horavela
