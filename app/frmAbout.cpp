#include "app/frmAbout.h"

#include "ProgramVersion.h"
#include "app/ProgramIcon.h"
#include "platform/FitText.h"
#include "platform/PointSize.h"
#include "ui_frmAbout.h"
#include "weblinks/modHelp.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace horavela {

namespace {

constexpr double LargePoints = 9.75;

// The site address is a build-time setting of any length: its text shrinks to
// fit, and the label is as tall as its font so the underline shows.
void fitLinkText(QLabel* label) {
    shrinkTextToFit(*label, LargePoints);
    label->resize(label->width(), std::max(label->height(), QFontMetrics(label->font()).height()));
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::frmAbout>()) {
    setFormFont(this);
    QPalette blackText = palette();
    blackText.setColor(QPalette::WindowText, Qt::black);
    setPalette(blackText);
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    ui_->Label2->setText(QString::fromLatin1(ProgramCaption));
    setPointSize(ui_->Label2, LargePoints);
    setPointSize(ui_->lblHomePage, LargePoints);
    setFixedSize(size());

    const QIcon icon = programIcon();
    setWindowIcon(icon);
    ui_->picIcon->setPixmap(icon.pixmap(ui_->picIcon->size()));
    ui_->lblHomePage->setText(tr("Click here to visit %1").arg(mainSiteAddress()));
    fitLinkText(ui_->lblHomePage);
    fitTranslatedLabels(*this);
    ui_->cmdOK->setFocus();

    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui_->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(ui_->lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage();
}

// The About window offers the fully branded edition, so its link goes there.
void frmAbout::lblCobrand_Click() {
    OpenFullBrandPage();
}

void showAboutWindow(QWidget* owner) {
    // On the heap behind a guard: a shutdown may delete it while it is open.
    QPointer<frmAbout> about = new frmAbout(owner);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        // The frame counts too, where the platform knows it before the window shows.
        about->winId();
        const QWindow* window = about->windowHandle();
        const QMargins frame = window ? window->frameMargins() : QMargins();
        QRect outer(QPoint(), about->size().grownBy(frame));
        outer.moveCenter(screen->availableGeometry().center());
        about->move(outer.topLeft());
    }
    about->exec();
    delete about.data();
}

} // namespace horavela
