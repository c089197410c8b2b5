// The maker's links that the main and the result window both carry, under the
// same names: the promotional link labels, the web entries of the Help menu,
// Donate and Make Money Online, and Help > About.
#pragma once

#include "platform/LinkLabel.h"

#include <QAction>

class QWidget;

namespace horavela {

// The controls as a window's .ui file names them.
struct WebLinkControls {
    LinkLabel* Label61;
    LinkLabel* lblFullBrand;
    LinkLabel* lblCobrand;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mkmoney;
};

// Ties each control to its handler for as long as owner lives; the About
// window opens over owner.
void connectWebLinks(QWidget* owner, const WebLinkControls& controls);

template <typename Ui> void connectWebLinks(QWidget* owner, const Ui& ui) {
    connectWebLinks(owner, WebLinkControls{.Label61 = ui.Label61,
                                           .lblFullBrand = ui.lblFullBrand,
                                           .lblCobrand = ui.lblCobrand,
                                           .mnuOnline = ui.mnuOnline,
                                           .mnuVisit = ui.mnuVisit,
                                           .mnuUpdate = ui.mnuUpdate,
                                           .mnuAbout = ui.mnuAbout,
                                           .mnuDonate = ui.mnuDonate,
                                           .mkmoney = ui.mkmoney});
}

// Shows the About window over owner and returns when it is closed.
using AboutWindowOpener = void (*)(QWidget* owner);

// The About window belongs to the program's shell, above the windows that
// offer it, so the start-up hands its opener down here for the rest of the
// run. Until then, and after nullptr, Help > About does nothing.
void setAboutWindowOpener(AboutWindowOpener open);

// For tests: Help > About opens through `open` while it lives, and through
// what it opened through before once it goes, whatever was set meanwhile.
class ReplacedAboutWindowOpener {
public:
    explicit ReplacedAboutWindowOpener(AboutWindowOpener open);
    ~ReplacedAboutWindowOpener();
    ReplacedAboutWindowOpener(const ReplacedAboutWindowOpener&) = delete;
    ReplacedAboutWindowOpener& operator=(const ReplacedAboutWindowOpener&) = delete;

private:
    AboutWindowOpener before_;
};

} // namespace horavela
