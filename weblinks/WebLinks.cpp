#include "weblinks/WebLinks.h"

#include "weblinks/modHelp.h"

#include <QWidget>
#include <utility>

namespace horavela {

namespace {

AboutWindowOpener aboutWindowOpener = nullptr;

void Label61_Click() {
    OpenHomePage();
}

void lblFullBrand_Click() {
    OpenFullBrandPage();
}

void lblCobrand_Click() {
    OpenCoBrandPage();
}

void mnuOnline_Click() {
    OpenOnlineHelp();
}

void mnuVisit_Click() {
    OpenHomePage();
}

void mnuUpdate_Click() {
    OpenDownloadPage();
}

void mnuAbout_Click(QWidget* owner) {
    if (aboutWindowOpener)
        aboutWindowOpener(owner);
}

void mnuDonate_Click() {
    OpenDonatePage();
}

// The entry stays switched off; this is what it would do.
void mkmoney_Click() {
    OpenFullBrandPage();
}

} // namespace

void connectWebLinks(QWidget* owner, const WebLinkControls& controls) {
    QObject::connect(controls.Label61, &LinkLabel::clicked, owner, Label61_Click);
    QObject::connect(controls.lblFullBrand, &LinkLabel::clicked, owner, lblFullBrand_Click);
    QObject::connect(controls.lblCobrand, &LinkLabel::clicked, owner, lblCobrand_Click);
    QObject::connect(controls.mnuOnline, &QAction::triggered, owner, mnuOnline_Click);
    QObject::connect(controls.mnuVisit, &QAction::triggered, owner, mnuVisit_Click);
    QObject::connect(controls.mnuUpdate, &QAction::triggered, owner, mnuUpdate_Click);
    QObject::connect(controls.mnuAbout, &QAction::triggered, owner,
                     [owner] { mnuAbout_Click(owner); });
    QObject::connect(controls.mnuDonate, &QAction::triggered, owner, mnuDonate_Click);
    QObject::connect(controls.mkmoney, &QAction::triggered, owner, mkmoney_Click);
}

void setAboutWindowOpener(AboutWindowOpener open) {
    aboutWindowOpener = open;
}

ReplacedAboutWindowOpener::ReplacedAboutWindowOpener(AboutWindowOpener open)
    : before_(std::exchange(aboutWindowOpener, open)) {}

ReplacedAboutWindowOpener::~ReplacedAboutWindowOpener() {
    aboutWindowOpener = before_;
}

} // namespace horavela
